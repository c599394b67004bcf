#!/usr/bin/env bash
# The real tinct, used as a person would, with the mouse and keyboard and
# read from screenshots, on Xvfb: under a window manager (x11), or in Weston
# (wayland, where picking from the screen goes through the desktop portal, run
# with a stand-in backend). Usage: e2e.sh x11|wayland PATH/TO/tinct
# [PATH/TO/xdg-desktop-portal PATH/TO/portalbackend]; ./e2e.PLATFORM/ is kept on failure.
set -euo pipefail

PLATFORM=${1:?usage: $0 x11|wayland PATH/TO/tinct}
TINCT=$(realpath "${2:?usage: $0 x11|wayland PATH/TO/tinct}")
WORK=$PWD/e2e.$PLATFORM
rm -rf "$WORK" && mkdir -m 700 -p "$WORK" && cd "$WORK"
PIDS=() # servers to stop at the end
APP=    # tinct, while it runs
SHOT=$WORK/shot.png SAW= # the last screenshot, and what the last check saw in it

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
        ((SECONDS < deadline)) || fail "gave up after 10 s waiting for $what; saw ${SAW:-nothing} (last screenshot: $SHOT)"
        sleep 0.05
    done
}

# qt6ct's darker scheme stands in for a desktop's settings, and a long
# double-click interval leaves room for a slow dialog and clicks 300 ms apart.
# A private home and configuration folder, where tinct writes nothing.
INTERVAL=5000
mkdir qt6ct home && printf '[Appearance]\ncustom_palette=true\ncolor_scheme_path=%s\n[Interface]\ndouble_click_interval=%s\n' \
    /usr/share/qt6ct/colors/darker.conf $INTERVAL >qt6ct/qt6ct.conf
# A script's background job ignores SIGINT; a terminal's program does not.
# Qt's libraries and Mesa's EGL driver have no frame pointers: in a
# sanitized build only the slow unwinder finds the frames that lsan.supp names.
# Only the environment the test makes, none of the caller's.
start_tinct() {
    : >"$WORK/tinct.out"
    local display=DISPLAY=${APP_DISPLAY:-$DISPLAY}
    [[ $PLATFORM == x11 ]] || display="$display WAYLAND_DISPLAY=$WAYLAND_DISPLAY"
    # shellcheck disable=SC2086
    env -i --default-signal=INT $display QT_QPA_PLATFORM=$QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME=qt6ct \
        LC_ALL=C.UTF-8 HOME="$WORK/home" XDG_CONFIG_HOME="$WORK" XDG_RUNTIME_DIR="$WORK" \
        WAYLAND_DEBUG=client TINCT_E2E_RUN=$$ PATH=/usr/bin:/bin ${SCALES:+QT_SCREEN_SCALE_FACTORS=$SCALES} \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
        LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
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
        -fill white -opaque "rgb($5)" -fill black +opaque white -format '%[fx:round(mean*w*h)]' info: ||
        echo -1
}

# Room for two screens. Weston shows an output on each, and opens a window
# anywhere on the one under the pointer: the first main window on the right
# one, About on the left one, clear of it. The colour dialog is too large
# for the left one: there it opens at its top left, under the pointer.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1524x768x24 -screen 1 64x64x24 3>display 2>xvfb.err & PIDS+=($!)
wait_until "Xvfb" grep -qs '^[0-9]' display
export DISPLAY=:$(<display)
if [[ $PLATFORM == x11 ]]; then
    export QT_QPA_PLATFORM=xcb
    openbox --sm-disable 2>openbox.err & PIDS+=($!)
    wait_until "the window manager" eval 'wmctrl -m >/dev/null 2>&1'
    window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
    shown() { [[ -n $(window "$1") ]]; }
    active_title() { xdotool getactivewindow getwindowname 2>/dev/null; }
    geometry() { # sets X Y W H to a window's client area; xwininfo waits for a click without an id
        local id=$(window "$1") g && [[ -n $id ]] && g=$(xwininfo -id "$id" |
            awk '/Absolute upper-left|Width|Height/ {print substr($(NF-1), 1, 1) "=" $NF}') && eval "$g"
    }
    close_window() { wmctrl -c "$1"; }
    OTHER=(xmessage 'another program')
else
    # No panel, where a stray click starts a terminal; no windows fading out,
    # keeping the focus from the next one; no keyboard on the screen.
    printf '[shell]\npanel-position=none\nclose-animation=none\nstartup-animation=none
[input-method]\npath=\n[output]\nname=screen0\nmode=500x400\n[output]\nname=screen1\nmode=1024x768\n' >weston.ini
    export XDG_RUNTIME_DIR=$WORK WAYLAND_DISPLAY=wayland-e2e QT_QPA_PLATFORM=wayland
    weston --backend=x11-backend.so --use-pixman --debug --xwayland --socket=wayland-e2e --config="$WORK/weston.ini" \
        --output-count=2 >weston.err 2>&1 & PIDS+=($!)
    wait_until "Weston" test -S wayland-e2e
    xdotool windowmove "$(xwininfo -root -tree | awk '/ - screen1"/ {print $1}')" 500 0
    xdotool mousemove 10 10 mousemove 1000 400 # Weston learns where it is as it enters an output
    # Where a Wayland client's windows are, Weston's scene graph knows (with
    # tinct's app id); which one has the keyboard, tinct's protocol log says.
    scene() { weston-debug scene-graph 2>/dev/null; }
    shown() { scene | grep -qF "top-level window '$1' of org.tinct.Tinct"; }
    # The log names the window with the keyboard by its surface, titled through
    # its roles (wl_surface@7 up to libwayland 1.22, wl_surface#7 after); Qt
    # holds it active once a display sync ends after it: keys before are lost.
    active_title() {
        awk 'function id(name, at) {
                if (!(at = index($0, name "#"))) return ""
                match(substr($0, at + length(name) + 1), /^[0-9]+/)
                return substr($0, at + length(name) + 1, RLENGTH)
            }
            { gsub(/@/, "#") }
            /\.get_xdg_surface\(/ { surface[id("xdg_surface")] = id("wl_surface") }
            /\.get_toplevel\(/ { surface[id("xdg_toplevel")] = surface[id("xdg_surface")] }
            /\.set_title\("/ { t = $0; sub(/.*set_title\("/, "", t); sub(/"\)$/, "", t); named[surface[id("xdg_toplevel")]] = t }
            /\.(sync|frame)\(new id wl_callback#/ { sync[id("wl_callback")] = /\.sync\(/ } # ids are reused
            /wl_callback#[0-9]+\.done\(/ { if (sync[id("wl_callback")]) { sync[id("wl_callback")] = 0; applied = focus } }
            /keyboard#[0-9]+\.enter\(/ { focus = id("wl_surface"); applied = "" }
            /keyboard#[0-9]+\.leave\(/ { focus = applied = "" }
            END { if (focus != "" && applied == focus) print named[focus] }' tinct.err
    }
    geometry() { # sets X Y W H to what a window paints opaque: tinct's client area
        local g=$(scene | awk -v title="window '$1'" 'index($0, title) {found = 1; next} found && /View/ {exit}
            found && /opaque:/ {gsub(/[^0-9]+/, " "); print "X=" $1 " Y=" $2 " W=" $3 - $1 " H=" $4 - $2}')
        [[ -n $g ]] && eval "$g"
    }
    close_window() { geometry "$1" && click_at $((X + W - 14)) $((Y - 16)); } # Qt's close button
    OTHER=(weston-flower)
fi

active() { local title && title=$(active_title) && SAW="the active window '$title'" && [[ $title == "$1" ]]; }

CAPTION='Use sliders or click window to choose window color.'
# click_at X Y [BUTTON [N]] on the screen; --sync would wait for ever for a
# pointer that is already there.
click_at() {
    [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]] || xdotool mousemove --sync "$1" "$2"
    xdotool click --repeat "${4:-1}" --delay 300 "${3:-1}"
}
# click X Y [BUTTON [N]], in the main window's client area (below its menu
# bar); N clicks are a double- or triple-click.
click() { click_at $((CX + $1)) $((CY + $2)) "${3:-1}" "${4:-1}"; }
# The window colour at its top left, where no click leaves the pointer that
# Weston draws, and the sample text in its colour.
colours_are() {
    import -window root "$SHOT" &&
        local window=$(count $((CX + 2)) $((CY + 2)) 1 1 "$1") text=$(count $((CX + 192)) $((CY + 48)) 161 73 "$2")
    SAW="the window $(convert "$SHOT" -format "%[pixel:p{$((CX + 2)),$((CY + 2))}]" info:) with $text pixels of the text colour"
    ((window == 1 && text >= 300))
}
expect_colours() { wait_until "window $1 with text $2" colours_are "$1" "$2"; }
locate_main() { geometry "$CAPTION" && CX=$X CY=$((Y + H - 213)); }
start_main() { start_tinct "$@" && wait_until "the main window" shown "$CAPTION" && locate_main; }
active_main() { wait_until "the main window to be active" active "$CAPTION"; }
quit() { click 388 184 && end_tinct Quit "$@"; } # quit STATUS OUTPUT: by the Quit box
# dialog X Y N [KEY [HTML]]: N clicks there open the colour dialog; HTML
# is typed in its field, and KEY closes it.
dialog() {
    click "$1" "$2" 1 "$3" && wait_until "the colour dialog to be active" active "Select Color"
    [[ -z ${5:-} ]] || xdotool key alt+h ctrl+a type "$5"
    [[ -z ${4:-} ]] || { xdotool key "$4" && active_main; }
}
# About shows N (1 or 2) blocks of six light lines of 12 px from its top left.
blocks_are() {
    import -window root "$SHOT" && local rows=$(convert "$SHOT" -crop "312x109+$AX+$AY" +repage \
        -colorspace gray -threshold 50% -scale '1x109!' -depth 8 txt:- |
        awk -F '[,:]' 'NR > 1 && !/#000000/ {print $2}')
    SAW="text in About's rows ${rows:+$(head -n 1 <<<"$rows") to $(tail -n 1 <<<"$rows")}" && [[ -n $rows ]] &&
        (($(head -n 1 <<<"$rows") <= 4)) && (($(tail -n 1 <<<"$rows") < 74 ? $1 == 1 : $1 == 2))
}
# scripted_pick X Y HTML: a click there opens the colour dialog, and the moment
# it is active, as a script's would, a click in its HTML field, HTML and Return.
scripted_pick() {
    click "$1" "$2" && wait_until "the colour dialog to be active" active "Select Color" &&
        geometry "Select Color" && local x=$((X + W - 127)) y=$((Y + H - 64))
    # A Wayland client is never told where a pointer jumped from: there it is
    # seen moving in the dialog first, as a person's, and counts at once.
    [[ $PLATFORM == x11 ]] || xdotool mousemove $x $((y - 40)) sleep 0.1 mousemove $x $((y - 20)) sleep 0.1
    click_at $x $y && xdotool key ctrl+a type "$3" && xdotool key Return && active_main
}
# multi_click X Y N: N clicks there open one dialog and pick nothing; the rest
# comes once the dialog is active under the pointer, within the interval. A
# dialog so slow that the rest would come after it is closed, and the clicks made again.
multi_click() {
    local try px py started
    for try in 1 2 3; do
        started=$EPOCHREALTIME && click "$1" "$2" && wait_until "the colour dialog to be active" active "Select Color"
        UP_AFTER=$(((${EPOCHREALTIME/./} - ${started/./}) / 1000)) # ms
        ((UP_AFTER + $3 * 300 + 500 < INTERVAL)) && break
        ((try < 3)) || fail "the colour dialog came up $UP_AFTER ms after a click, three times: too late for the rest of the clicks"
        xdotool key Escape && active_main && sleep $((INTERVAL / 1000 + 1)) # a sequence of its own
    done
    eval "$(xdotool getmouselocation --shell | sed -n 's/^X=/px=/p; s/^Y=/py=/p')"
    geometry "Select Color" && ((X <= px && px < X + W && Y <= py && py < Y + H)) ||
        fail "the rest of the clicks would miss the dialog: at ${X:-?},${Y:-?} ${W:-?}x${H:-?}, the pointer at $px,$py"
    xdotool click --repeat $(($3 - 1)) --delay 300 1 key Return && active_main
}
open_about() { # on the left output
    xdotool mousemove 10 10 key alt+h && wait_until "About to be active" active About
    geometry About && AX=$X AY=$Y && wait_until "one block of instructions" blocks_are 1
}

echo "a start colour, a click on the red slider's right arrow: labels and colours follow"
start_main --print --color teal && click 76 96
expect_colours 5,128,128 250,127,127

echo "a colour set in the dialog's HTML field, OK; Cancel; picks clicked at once; Tab, a key"
dialog 300 190 1 Return '#0a141e'
expect_colours 10,20,30 245,235,225
dialog 300 190 1 Escape '#ffffff'
scripted_pick 300 190 '#0a1e1e'
expect_colours 10,30,30 245,225,225
xdotool key Tab Right # from the red slider, focused by the click on its arrow, to the green one
expect_colours 10,35,30 245,220,225
scripted_pick 230 85 '#00ff80'
expect_colours 10,35,30 0,255,128

echo "About prints when it becomes active from the main window, not from another program"
open_about
"${OTHER[@]}" 2>/dev/null & other=$! && PIDS+=($!)
wait_until "the other program to be active" eval '! active About' && kill "$other"
wait_until "About to be active again" active About
sleep 0.5 # time enough to print, were it to
blocks_are 1 || fail "About printed when it came back from another program"
click 100 95 && active_main # a click on the red value label: nothing but the focus
click_at $((AX + 300)) $((AY + 5))
wait_until "a second block of instructions" blocks_are 2

if [[ $PLATFORM == x11 ]]; then # Wayland has no request to bring back a minimised window
    xdotool windowminimize --sync "$(window About)" && click 100 95 && xdotool key alt+h
    wait_until "Help to bring a minimised About back" active About
fi

echo "maximise and full screen, from the title bar and the window manager: refused, the colours kept"
for window in "$CAPTION" About; do
    geometry "$window" && size="$W $H" && click_at $((X + 50)) $((Y - 10)) 1 2 # a double-click
    if [[ $PLATFORM == x11 ]]; then
        wmctrl -r "$window" -b add,maximized_vert,maximized_horz && wmctrl -r "$window" -b add,fullscreen
        sleep 0.5 && ! xprop -id "$(window "$window")" _NET_WM_STATE | grep -q 'MAXIMIZED\|FULLSCREEN' || fail "$window maximised"
    else # Qt's maximise button, then Weston's key bindings
        click_at $((X + W - 37)) $((Y - 16)) && xdotool sleep 0.5 key --delay 500 super+shift+m super+shift+f
    fi
    wait_until "$window at its size" eval 'geometry "$window" && SAW="${W}x$H" && [[ "$W $H" == "$size" ]]'
done
locate_main && expect_colours 10,35,30 0,255,128

echo "the main window closed comes back fresh as About becomes active; a closed About comes back fresh"
click 100 95 && active_main
close_window "$CAPTION"
wait_until "a fresh main window" eval 'locate_main && colours_are 200,200,200 55,55,55'
close_window About && wait_until "About to close" eval '! shown About' && active_main
open_about

echo "the wheel up and right over the red slider; Quit prints the colour; no settings written"
click 40 96 4 && click 40 96 7 && quit 0 '#e6c8c8'
[[ -z $(ls -A home) && ! -e QtProject.conf ]] || fail "tinct wrote settings: $(ls -A home QtProject.conf 2>&1)"

echo "double- and triple-clicks on the background and the sample word open one dialog, pick nothing"
xdotool mousemove 10 10 # on the left output, where the rest of each lands on the dialog's colours
start_main --print --color '#204080'
for spot in '400 3 2' '260 52 3' '120 20 3' '300 60 2' '440 15 3' '340 56 2' '60 15 2' '280 64 3'; do
    multi_click $spot
    wait_until "window 32,64,128 with text 223,191,127 after clicks '$spot', the dialog up $UP_AFTER ms after the first" \
        colours_are 32,64,128 223,191,127
done

echo "SIGINT while a dialog is open: killed by it, nothing printed"
dialog 300 190 1
kill -INT "$APP"
end_tinct SIGINT 130 ''

if [[ $PLATFORM == wayland ]]; then
    echo "picking through the desktop portal: with none, no button"
    # A session bus that starts nothing itself, at $XDG_RUNTIME_DIR/bus.
    printf '<busconfig><type>session</type><listen>unix:path=%s/bus</listen><policy context="default">
<allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>\n' \
        "$WORK" >bus.conf
    dbus-daemon --config-file=bus.conf --nofork --print-address=1 >bus.address 2>dbus.err & PIDS+=($!)
    wait_until "the session bus" grep -qs . bus.address
    owned() { dbus-send --bus="$(<bus.address)" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames | grep -q "\"$1\""; }
    # picker_shows COLOURS [LABEL]: the dialog's column under its basic
    # colours, where the button and then what it says come: 1 colour where
    # nothing is, more where they are; and no label (-), one (+), or one other
    # than LABEL, a signature it showed before.
    picker_shows() { # from the bottom of their last row, with magenta, wherever the fonts put it
        import -window root "$SHOT" && geometry "Select Color" && local area bottom &&
            bottom=$(convert "$SHOT" -crop "222x$H+$((X + 12))+$Y" +repage -fill black +opaque magenta \
                -scale "1x$H!" -depth 8 txt:- | awk -F'[,:]' 'NR > 1 && !/#000000/ {last = $2} END {print last}') &&
            area=$(convert "$SHOT" -crop "222x86+$((X + 12))+$((Y + bottom + 6))" +repage -format %k info:) &&
            LABEL=$(convert "$SHOT" -crop "222x50+$((X + 12))+$((Y + bottom + 42))" +repage -format %k-%# info:)
        SAW="$area colours under the basic colours, the label $LABEL" && ((area == $1 || (area > 1 && $1 > 1))) &&
            case $2 in -) [[ $LABEL == 1-* ]] ;; +) [[ $LABEL != 1-* ]] ;; *) [[ $LABEL != 1-* && $LABEL != "$2" ]] ;; esac
    }
    # pick ANSWER: the backend answers so (the file it reads replaced whole),
    # the button clicked by its key.
    answer() { echo "$1" >answer.new && mv answer.new answer; }
    pick() { answer "$1" && xdotool key alt+p; }
    dialog_has() { # dialog_has R,G,B: the colour there, in the large sample, even cut by a small output
        import -window root "$SHOT" && geometry "Select Color" && SAW="$(count "$X" "$Y" "$W" "$H" "$1") pixels of $1" &&
            (($(count "$X" "$Y" "$W" "$H" "$1") > 1000))
    }
    # open_dialog R,G,B: the dialog open, showing the window colour, the pointer off its left column.
    open_dialog() {
        dialog 300 190 1 && geometry "Select Color" && xdotool mousemove $((X + 300)) $((Y + 100))
        wait_until "the dialog with $1" dialog_has "$1"
    }
    # Whether the portal picks is asked as each dialog opens: none, then one, then none again.
    start_main --print --color '#204080' && open_dialog 32,64,128
    picker_shows 1 - || fail "a button with no portal running: $SAW"
    xdotool key Escape && active_main

    # The frontend finds the backend by the desktop it is named for.
    mkdir portals xdg-desktop-portal && printf '[preferred]\ndefault=tinct-e2e\n' >xdg-desktop-portal/portals.conf
    printf '[portal]\nDBusName=org.freedesktop.impl.portal.desktop.tinct_e2e\nInterfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access\nUseIn=tinct-e2e\n' \
        >portals/tinct-e2e.portal
    env -i DBUS_SESSION_BUS_ADDRESS="$(<bus.address)" "$4" "$WORK/answer" 2>backend.err & PIDS+=($!)
    wait_until "the portal backend" owned org.freedesktop.impl.portal.desktop.tinct_e2e
    env -i DBUS_SESSION_BUS_ADDRESS="$(<bus.address)" XDG_RUNTIME_DIR="$WORK" HOME="$WORK/portal" XDG_CONFIG_HOME="$WORK" \
        XDG_DESKTOP_PORTAL_DIR="$WORK/portals" XDG_CURRENT_DESKTOP=tinct-e2e PATH=/usr/bin:/bin "$3" 2>portal.err & PIDS+=($!)
    portal=$! && wait_until "the portal" owned org.freedesktop.portal.Desktop
    for app in wayland xwayland; do
        echo "a pick rounded, and a cancel and a failure that keep it and say so, on $app"
        open_dialog 32,64,128 && wait_until "the button" picker_shows 2 -
        # While the portal is picking, the dialog answers.
        pick wait && xdotool key alt+h ctrl+a type '#0a141e'
        wait_until "the dialog to answer the keyboard while the portal picks" dialog_has 10,20,30
        answer '0.1 0.2 0.3' && wait_until "a colour picked" eval '! dialog_has 10,20,30'
        dialog_has 26,51,77 && picker_shows 2 - || fail "not exactly the colour picked, or a label: $SAW"
        pick cancel && wait_until "a cancel said" picker_shows 2 +
        cancelled=$LABEL && pick error && wait_until "a failure said" picker_shows 2 "$cancelled"
        dialog_has 26,51,77 || fail "the colour went after a cancel and a failure: $SAW"
        xdotool key Return && active_main && expect_colours 26,51,77 229,204,178
        [[ $app == xwayland ]] && break
        quit 0 '#1a334d'
        # XWayland: X windows, in Weston's scene graph without the app id, the active one named by X.
        APP_DISPLAY=$(sed -n 's/.*xserver listening on display //p' weston.err) QT_QPA_PLATFORM=xcb
        shown() { scene | grep -qF "top-level window '$1'"; }
        active_title() { DISPLAY=$APP_DISPLAY xdotool getactivewindow getwindowname 2>/dev/null; }
        start_main --print --color '#204080'
    done
    kill "$portal" && wait_until "the portal to end" eval '! owned org.freedesktop.portal.Desktop'
    open_dialog 26,51,77 && picker_shows 1 - || fail "a button once the portal ended: $SAW"
    xdotool key Escape && active_main && quit 0 '#1a334d'
fi

[[ $PLATFORM == x11 ]] || exit 0

echo "no session bus: none started, and a screen reader's bus on the root window still found"
# bus NAME: a bus daemon at ./NAME; on_bus NAME: a client on it besides the one asking.
bus() {
    dbus-daemon --session --nofork --address="unix:path=$WORK/$1" --print-address=1 \
        >"$1.address" 2>>dbus.err & PIDS+=($!)
    wait_until "the bus $1" grep -q . "$1.address"
}
on_bus() {
    local clients=$(dbus-send --bus="$(<"$1.address")" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames | grep -c '":1\.')
    SAW="${clients:-no} clients on the bus $1" && ((${clients:-0} > 1))
}
bus a11y
xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS "$(<a11y.address)" # on the display's screen, not the other
DISPLAY=$DISPLAY.1 xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS unix:path=/nonexistent
start_main
wait_until "tinct on the accessibility bus" on_bus a11y
quit 0 ''
# What tinct started still has the variable this run gave it; a chroot's
# /proc shows other chroots' processes, with the same paths.
none_left() { [[ -z $(ls -A home) && -z $(grep -lsz "^TINCT_E2E_RUN=$$\$" /proc/[0-9]*/environ) ]]; }
none_left || fail "tinct left a session bus or its files"
xprop -root AT_SPI_BUS | grep -qF "$(<a11y.address)" || fail "tinct took the screen reader's bus off the root window"

echo "a session bus another program autolaunched for the display: joined, none started"
xprop -root -remove AT_SPI_BUS
mkdir owner && env -i DISPLAY="$DISPLAY" HOME="$WORK/owner" PATH=/usr/bin:/bin E2E_BUS_OWNER=$$ dbus-launch \
    --autolaunch="$(cat /var/lib/dbus/machine-id /etc/machine-id 2>/dev/null | head -n 1)" --sh-syntax |
    sed -n "s/^DBUS_SESSION_BUS_ADDRESS='\(.*\)';\$/\1/p" >autolaunched.address
PIDS+=($(grep -lsz "^E2E_BUS_OWNER=$$\$" /proc/[0-9]*/environ | cut -d/ -f3 || true)) # the bus and its launcher
start_main
wait_until "tinct on the bus autolaunched for the display" on_bus autolaunched
quit 0 ''
none_left || fail "tinct started a session bus of its own"

echo "the session's bus at \$XDG_RUNTIME_DIR/bus is used as before"
bus bus
start_main
wait_until "tinct on the session bus" on_bus bus
quit 0 ''

echo "monitors of two scales: each window moved to the one at twice the scale is whole there"
xrandr --setmonitor LEFT 762/201x768/203+0+0 none && xrandr --setmonitor RIGHT 762/201x768/203+762+0 none
SCALES='LEFT=1;RIGHT=2' start_main && xdotool mousemove 10 10 key alt+h
for window in About "$CAPTION"; do
    wait_until "$window" shown "$window" && geometry "$window" && size="$((2 * W)) $((2 * H))"
    xdotool windowmove "$(window "$window")" 800 10
    wait_until "$window whole at twice the scale" eval 'geometry "$window" && SAW="${W}x$H at $X" && [[ "$W $H" == "$size" ]]'
done
close_window "$CAPTION" && close_window About && end_tinct "closed" 0 ''
