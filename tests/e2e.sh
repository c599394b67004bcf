#!/usr/bin/env bash
# The real tinct, used as a person would: on Xvfb under a window manager,
# with the mouse and keyboard, read from screenshots; then on Wayland, in
# headless Weston. Usage: e2e.sh PATH/TO/tinct; ./e2e/ is kept on failure.
set -euo pipefail

TINCT=$(realpath "${1:?usage: $0 PATH/TO/tinct}")
WORK=$PWD/e2e
rm -rf "$WORK" && mkdir -m 700 -p "$WORK" && cd "$WORK"
PIDS=() # servers to stop at the end
APP=    # tinct, while it runs
SHOT=$WORK/shot.png

fail() { echo "FAIL: $*" >&2 && exit 1; }
cleanup() {
    local status=$?
    kill $APP "${PIDS[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    if ((status == 0)); then rm -rf "$WORK"; else tail -n 20 "$WORK"/*.err >&2 || true; fi
}
trap cleanup EXIT

# True while process $1 runs (an ended child not waited for answers kill -0).
alive() { [[ -r /proc/$1/stat && $(cut -d' ' -f3 "/proc/$1/stat") != Z ]]; }

# wait_until WHAT COMMAND...: polls for 10 s at most, and not once tinct ended.
wait_until() {
    local what=$1 deadline=$((SECONDS + 10))
    shift
    until "$@"; do
        [[ -z $APP ]] || alive "$APP" || fail "tinct ended while waiting for $what"
        ((SECONDS < deadline)) || fail "gave up after 10 s waiting for $what"
        sleep 0.05
    done
}

# The desktop's own Qt settings would change what is on screen: qt6ct's
# darker scheme, light text on dark grey, stands in for them. A private
# home, and Qt's settings file with a custom colour (77,66,99) in it, which
# tinct must neither read nor write.
mkdir qt6ct && printf '[Appearance]\ncustom_palette=true\ncolor_scheme_path=%s\n' \
    /usr/share/qt6ct/colors/darker.conf >qt6ct/qt6ct.conf
mkdir home && printf '[Qt]\ncustomColors\\0=4283253347\n' >QtProject.conf && cp QtProject.conf seed
# A script's background job ignores SIGINT; a terminal's program does not.
# Qt's libraries and Mesa's EGL driver have no frame pointers: in a
# sanitized build only the slow unwinder finds the frames that lsan.supp names.
start_tinct() {
    env --default-signal=INT -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR QT_QPA_PLATFORMTHEME=qt6ct \
        HOME="$WORK/home" XDG_CONFIG_HOME="$WORK" XDG_RUNTIME_DIR="$WORK" \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0" \
        "$TINCT" "$@" >"$WORK/tinct.out" 2>"$WORK/tinct.err" &
    APP=$!
}

# end_tinct HOW STATUS OUTPUT: waits for tinct to end with STATUS, printing OUTPUT.
end_tinct() {
    local pid=$APP status=0
    APP=
    wait_until "tinct to end" eval "! alive $pid"
    wait "$pid" || status=$?
    ((status == $2)) || fail "exit status $status after $1"
    [[ $(<"$WORK/tinct.out") == "$3" ]] || fail "printed '$(<"$WORK/tinct.out")' after $1"
}

# count X Y W H R,G,B: the pixels of exactly that colour (not white) in a rectangle.
count() {
    convert "$SHOT" -crop "$3x$4+$1+$2" +repage -fill black -opaque white \
        -fill white -opaque "rgb($5)" -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>display 2>xvfb.err & PIDS+=($!)
wait_until "Xvfb" grep -q '^[0-9]' display
export DISPLAY=:$(<display)
unset WAYLAND_DISPLAY
openbox --sm-disable 2>openbox.err & PIDS+=($!)
wait_until "the window manager" eval 'wmctrl -m >/dev/null 2>&1'

CAPTION='Use sliders or click window to choose window color.'
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
shown() { [[ -n $(window "$1") ]]; }
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
# Sets X Y H to a window's client area on the screen.
geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4}
        /Absolute upper-left Y/ {print "Y=" $4} /Height/ {print "H=" $2}')"
}
# click_at X Y [BUTTON] on the screen; --sync would wait for ever for a
# pointer that is already there.
click_at() {
    [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]] || xdotool mousemove --sync "$1" "$2"
    xdotool click --repeat "${4:-1}" --delay 300 "${3:-1}"
}
# click X Y [BUTTON [N]], in the main window's client area (below its menu
# bar); N clicks are a double- or triple-click.
click() { click_at $((CX + $1)) $((CY + $2)) "${3:-1}" "${4:-1}"; }
# The window colour behind the sliders, and the sample text in its colour.
colours_are() {
    import -window root "$SHOT" && (($(count $((CX + 300)) $((CY + 190)) 1 1 "$1") == 1 &&
        $(count $((CX + 192)) $((CY + 48)) 161 73 "$2") >= 300))
}
expect_colours() { wait_until "window $1 with text $2" colours_are "$1" "$2"; }
start_main() {
    start_tinct "$@"
    wait_until "the main window" shown "$CAPTION"
    MAIN=$(window "$CAPTION")
    geometry "$MAIN"
    CX=$X CY=$((Y + H - 213))
}
# About shows N (1 or 2) blocks of six light lines of 12 px from its top left.
blocks_are() {
    local rows
    import -window root "$SHOT"
    rows=$(convert "$SHOT" -crop "312x109+$AX+$AY" +repage -colorspace gray -threshold 50% \
        -scale '1x109!' -depth 8 txt:- | awk -F '[,:]' 'NR > 1 && !/#000000/ {print $2}')
    (($(head -n 1 <<<"$rows") <= 4)) && (($(tail -n 1 <<<"$rows") < 74 ? $1 == 1 : $1 == 2))
}
open_about() {
    xdotool key alt+h
    wait_until "the About window" shown About
    ABOUT=$(window About)
    geometry "$ABOUT"
    AX=$X AY=$Y
    wait_until "About to be active" active "$ABOUT"
}

echo "a start colour; a click on the red slider's right arrow, the wheel over the green one"
start_main --print --color teal
expect_colours 0,128,128 255,127,127
# The scheme's grey menu bar; black text on the program's own colours.
(($(count "$CX" $((CY - 12)) 464 10 34,32,32) > 2320 &&
    $(count $((CX + 192)) $((CY + 24)) 241 25 0,0,0) > 9 &&
    $(count $((CX + 88)) $((CY + 120)) 41 17 0,0,0) > 9)) || fail "not in the dark scheme's colours"
click 76 96
expect_colours 5,128,128 250,127,127
click 40 128 4 # up
expect_colours 5,143,128 250,112,127
click 40 128 7 # right
expect_colours 5,158,128 250,97,127

echo "a colour picked in the dialog, by its HTML field, and added to the custom colours"
open_dialog() {
    wait_until "the colour dialog" shown "Select Color"
    wait_until "the colour dialog to be active" active "$(window "Select Color")"
}
click 300 190
open_dialog
import -window root "$SHOT"
(($(count 0 0 1024 768 77,66,99) == 0)) || fail "the dialog shows a custom colour of Qt's settings"
xdotool key alt+h ctrl+a type '#0a141e'
on_screen() { import -window root "$SHOT" && (($(count 0 0 1024 768 10,20,30) > $1)); }
wait_until "the colour shown" on_screen 1000
shown_before=$(count 0 0 1024 768 10,20,30)
xdotool key alt+a
wait_until "the custom colour" on_screen $((shown_before + 100))
xdotool key Return
expect_colours 10,20,30 245,235,225

echo "About prints when it becomes active from the main window, not from elsewhere"
open_about
wait_until "one block of instructions" blocks_are 1
xmessage -geometry +0+0 'another program' & PIDS+=($!)
wait_until "the other program's window" shown xmessage
click_at 60 40 # its text
click_at $((AX + 300)) $((AY + 100))
wait_until "About to be active again" active "$ABOUT"
sleep 0.5 # time enough to print, were it to
blocks_are 1 || fail "About printed when it came back from another program"
click 100 95 # the red value label: nothing but the focus
wait_until "the main window to be active" active "$MAIN"
click_at $((AX + 300)) $((AY + 100))
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

echo "Quit; no settings written"
click 388 184
end_tinct Quit 0 '#0a141e'
cmp -s seed QtProject.conf && [[ -z $(ls -A home) ]] || fail "tinct wrote settings"

echo "a double-click, a triple-click open one dialog and pick nothing; no --print, no output"
start_main
click 400 70 1 2
open_dialog
xdotool key Return
click 250 80 1 3
open_dialog
xdotool key Return
expect_colours 200,200,200 55,55,55
click 388 184
end_tinct Quit 0 ''

echo "SIGINT while a dialog is open: killed by it, nothing printed"
start_main --print
click 300 190
open_dialog
kill -INT "$APP"
end_tinct SIGINT 130 ''

# Headless Weston has no input devices: on Wayland, start-up, drawing and ending only.
echo "--- Wayland"
kill "${PIDS[@]}"
unset DISPLAY
export XDG_RUNTIME_DIR=$WORK WAYLAND_DISPLAY=wayland-e2e QT_QPA_PLATFORM=wayland
weston --backend=headless-backend.so --use-pixman --debug --socket=wayland-e2e \
    --width=1024 --height=768 >weston.err 2>&1 & PIDS=($!)
wait_until "Weston" test -S "$WORK/wayland-e2e"
WAYLAND_DEBUG=client start_tinct --print
drawn() {
    rm -f wayland-screenshot-*.png
    weston-screenshooter 2>/dev/null && mv wayland-screenshot-*.png "$SHOT" &&
        (($(count 0 0 1024 768 200,200,200) > 50000 && $(count 0 0 1024 768 55,55,55) >= 300))
}
wait_until "the window in its colours" drawn
grep -q 'set_app_id("org.tinct.Tinct")' tinct.err || fail "the window's app id is not org.tinct.Tinct"
kill -TERM "$APP"
end_tinct SIGTERM 143 ''
