#!/usr/bin/env bash
# tinct on a real X server (Xvfb) under a window manager (openbox), used with
# the mouse and the keyboard as a person would, and read from screenshots.
source "$(dirname "$0")/lib.sh"

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$WORK/display" 2>"$WORK/xvfb.err" &
PIDS+=($!)
wait_until "Xvfb" grep -q '^[0-9]' "$WORK/display"
export DISPLAY=:$(<"$WORK/display")
unset WAYLAND_DISPLAY
openbox --sm-disable 2>"$WORK/openbox.err" &
PIDS+=($!)
wait_until "the window manager" eval 'wmctrl -m >/dev/null 2>&1'

CAPTION='Use sliders or click window to choose window color.'
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
shown() { [[ -n $(window "$1") ]]; }
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
# Sets X Y W H to the window's client area on the screen.
geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4}
        /Absolute upper-left Y/ {print "Y=" $4} /Width/ {print "W=" $2} /Height/ {print "H=" $2}')"
}

# Screenshots, read in the main window's client area (below its menu bar).
shoot() { import -window root "$WORK/shot.png"; }
crop() { convert "$WORK/shot.png" -crop "$3x$4+$((CX + $1))+$((CY + $2))" +repage "${@:5}"; }
pixel() { crop "$1" "$2" 1 1 -depth 8 txt:- | sed -n 's/.*(\([0-9]*,[0-9]*,[0-9]*\).*/\1/p'; }
count() { crop "$1" "$2" "$3" "$4" -fill white -opaque "rgb($5)" -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:; }
pixel_is() { shoot && [[ $(pixel "$1" "$2") == "$3" ]]; }
# The window colour behind the sliders, and the sample text in its colour.
colours_are() { pixel_is 300 190 "$1" && (($(count 192 48 161 73 "$2") >= 300)); }
expect_colours() { wait_until "window $1 with text $2" colours_are "$1" "$2"; }
# point_at SX SY, click X Y [BUTTON]: --sync would wait forever for a
# pointer that is already where it is sent.
point_at() {
    [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]] || xdotool mousemove --sync "$1" "$2"
}
click() {
    point_at $((CX + $1)) $((CY + $2))
    xdotool click "${3:-1}"
}

# The rows of About's client area that hold any ink.
ink_rows() {
    shoot
    convert "$WORK/shot.png" -crop "312x109+$AX+$AY" +repage -colorspace gray -threshold 50% \
        -negate -scale '1x109!' -depth 8 txt:- | awk -F '[,:]' 'NR > 1 && !/#000000/ {print $2}'
}
# About shows N blocks of instructions, printed from its top-left corner:
# a block is six lines of about 12 px.
blocks_are() {
    local rows
    rows=$(ink_rows)
    (($(head -n 1 <<<"$rows") <= 4)) && case $1 in
        1) (($(tail -n 1 <<<"$rows") < 74)) ;;
        2) (($(tail -n 1 <<<"$rows") >= 74)) ;;
    esac
}
open_about() {
    xdotool key alt+h
    wait_until "the About window" shown About
    ABOUT=$(window About)
    geometry "$ABOUT"
    AX=$X AY=$Y
    wait_until "About to be active" active "$ABOUT"
}

start_main() {
    start_tinct "$@"
    wait_until "the main window" shown "$CAPTION"
    MAIN=$(window "$CAPTION")
    geometry "$MAIN"
    ((W == 464)) || fail "the main window is $W px wide"
    CX=$X CY=$((Y + H - 213))
}

echo "the colour chosen is printed when the program is asked to end"
start_main --print
expect_colours 200,200,200 55,55,55
kill -TERM "$APP"
wait_exit
((STATUS == 0)) || fail "exit status $STATUS after SIGTERM"
[[ $(<"$WORK/tinct.out") == '#c8c8c8' ]] || fail "printed '$(<"$WORK/tinct.out")' after SIGTERM"

echo "a start colour; a click on the red slider's right arrow, the wheel over the green one"
start_main --print --color teal
expect_colours 0,128,128 255,127,127
click 76 96
expect_colours 5,128,128 250,127,127
click 40 128 4 # up
expect_colours 5,143,128 250,112,127
click 40 128 7 # right
expect_colours 5,158,128 250,97,127

echo "a colour picked in the dialog, by its HTML field"
click 300 190
wait_until "the colour dialog" shown "Select Color"
wait_until "the colour dialog to be active" active "$(window "Select Color")"
xdotool key alt+h ctrl+a type '#0a141e'
xdotool key Return
expect_colours 10,20,30 245,235,225

echo "About prints when it becomes active from the main window, not from elsewhere"
open_about
wait_until "one block of instructions" blocks_are 1
xmessage -geometry +0+0 'another program' &
PIDS+=($!)
wait_until "the other program's window" shown xmessage
point_at 60 40 # its text
xdotool click 1
point_at $((AX + 300)) $((AY + 100))
xdotool click 1
wait_until "About to be active again" active "$ABOUT"
sleep 0.5 # time enough to print, were it to
blocks_are 1 || fail "About printed when it came back from another program"
click 100 95 # the red value label: nothing but the focus
wait_until "the main window to be active" active "$MAIN"
point_at $((AX + 300)) $((AY + 100))
xdotool click 1
wait_until "a second block of instructions" blocks_are 2

echo "Help brings a minimised About back; a closed one comes back fresh"
xdotool windowminimize --sync "$ABOUT"
click 100 95
xdotool key alt+h
wait_until "About to be active again" active "$ABOUT"
wmctrl -c About
wait_until "About to close" eval '! shown About'
click 100 95
open_about
wait_until "one block of instructions" blocks_are 1

echo "Quit"
click 388 184
wait_exit
((STATUS == 0)) || fail "exit status $STATUS after Quit"
[[ $(<"$WORK/tinct.out") == '#0a141e' ]] || fail "printed '$(<"$WORK/tinct.out")' after Quit"
echo passed
