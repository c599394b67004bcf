# shellcheck shell=bash
# Shared by the end-to-end scripts. Each script runs the real tinct on its own
# Xvfb and drives it with xdotool as a person would: real pointer moves,
# clicks and key presses, then reads the result back from screenshots.
#
# Usage of a script: SCRIPT.sh PATH/TO/tinct [PATH/TO/wmclose]
# Screenshots and logs go to ./e2e-SCRIPT/; they are kept only on failure.

set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TEST_NAME=$(basename "$0" .sh)
TINCT=${1:?"usage: $0 PATH/TO/tinct [PATH/TO/wmclose]"}
WMCLOSE=${2:-}
[[ -x $TINCT ]] || { echo "FAIL: not an executable: $TINCT" >&2; exit 1; }
TINCT=$(cd "$(dirname "$TINCT")" && pwd)/$(basename "$TINCT")

WORK=$PWD/e2e-$TEST_NAME
rm -rf "$WORK"
mkdir -p "$WORK"
SHOT=$WORK/shot.png

MAIN_CAPTION='Use sliders or click window to choose window color.'
CLIENT_W=464
CLIENT_H=213

XVFB_PID=
APP_PID=

START_US=${EPOCHREALTIME/[.,]/}
log() { printf '[%s +%d ms] %s\n' "$TEST_NAME" $(((${EPOCHREALTIME/[.,]/} - START_US) / 1000)) "$*"; }

fail() {
    echo "FAIL [$TEST_NAME]: $*" >&2
    if [[ -n $XVFB_PID ]] && import -window root "$WORK/failure.png" 2>/dev/null; then
        echo "screen at failure: $WORK/failure.png" >&2
    fi
    exit 1
}

cleanup() {
    local status=$1
    trap - EXIT
    if [[ -n $APP_PID ]]; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if ((status == 0)); then
        rm -rf "$WORK"
    else
        if [[ -s $WORK/tinct.err ]]; then
            echo "--- tinct stderr:" >&2
            cat "$WORK/tinct.err" >&2
        fi
        echo "logs and screenshots kept in $WORK" >&2
    fi
    exit "$status"
}
trap 'cleanup $?' EXIT

# wait_until SECONDS WHAT COMMAND... : polls COMMAND until it succeeds.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        ((SECONDS < deadline)) || fail "gave up after ${limit}s waiting for $what"
        sleep 0.05
    done
}

# --- X server and program ---------------------------------------------------

# True while process $1 runs (a child that has ended but was not waited for
# still answers kill -0).
alive() {
    local state
    [[ -r /proc/$1/stat ]] || return 1
    read -r _ _ state _ <"/proc/$1/stat"
    [[ $state != Z ]]
}

# Starts a private Xvfb on a free display; -displayfd names the display once
# the server accepts connections, so no guessing and no fixed sleep.
# -noreset: by default the server resets whenever its last client leaves,
# and a client that connects just then is turned away. Polling with xdotool
# before tinct has connected would otherwise now and then make tinct fail.
start_x() {
    local tool
    for tool in Xvfb xdotool xwininfo xprop import convert compare; do
        command -v "$tool" >/dev/null ||
            fail "$tool is missing (scripts/install-deps installs it)"
    done
    : >"$WORK/display"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 \
        3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_until 10 "Xvfb to start" xvfb_settled
    alive "$XVFB_PID" || fail "Xvfb did not start: $(<"$WORK/xvfb.log")"
    DISPLAY=:$(<"$WORK/display")
    export DISPLAY
    unset WAYLAND_DISPLAY
}
xvfb_settled() { grep -q '^[0-9][0-9]*$' "$WORK/display" || ! alive "$XVFB_PID"; }

# The desktop's Qt settings (platform theme, style, scaling, saved dialog
# state) would change what is on screen, so tinct gets none of them.
start_tinct() {
    mkdir -m 700 "$WORK/runtime"
    env -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE \
        -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
        XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" \
        "$TINCT" >"$WORK/tinct.out" 2>"$WORK/tinct.err" &
    APP_PID=$!
    wait_until 10 "the main window" main_window_or_exit
    app_running || fail "tinct ended before it showed its window"
    MAIN=$WIN
    read_main_geometry
}

app_running() { alive "$APP_PID"; }
app_ended() { ! app_running; }
main_window_or_exit() { find_window "$MAIN_CAPTION" || app_ended; }

# Waits for tinct to end and sets APP_STATUS to its exit status.
# shellcheck disable=SC2034 # APP_STATUS is for the scripts
wait_app_exit() {
    wait_until "$1" "tinct to exit" app_ended
    APP_STATUS=0
    wait "$APP_PID" || APP_STATUS=$?
    APP_PID=
}

# --- Windows ----------------------------------------------------------------

# Sets WIN to the viewable window whose caption is exactly $1, or returns 1.
find_window() {
    local id
    WIN=
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        if [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]]; then
            WIN=$id
            return 0
        fi
    done
    return 1
}

wait_window() { wait_until "${2:-10}" "a window captioned '$1'" find_window "$1"; }
window_absent() { ! find_window "$1"; }
wait_window_gone() { wait_until "${2:-10}" "window '$1' to close" window_absent "$1"; }

# There is no window manager here, so nobody gives a new window the keyboard
# focus or hands it back when one closes. Do what any window manager does.
wm_focus() { xdotool windowfocus --sync "$1"; }

# Asks a window to close as its title bar's close button would.
wm_close() {
    if [[ -z $WMCLOSE ]]; then
        WMCLOSE=$WORK/wmclose
        c++ -O -o "$WMCLOSE" "$E2E_DIR/wmclose.cpp" -lX11 || fail "cannot build wmclose"
    fi
    "$WMCLOSE" "$1" || fail "could not ask window $1 to close"
}

# Sets WX WY WW WH (outer window) for window $1.
window_geometry() {
    local info
    info=$(xwininfo -id "$1") || fail "xwininfo failed for window $1"
    WX=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    WY=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    WW=$(awk '/Width:/ {print $2}' <<<"$info")
    WH=$(awk '/Height:/ {print $2}' <<<"$info")
}

# The client area is what lies below the menu bar: the bottom CLIENT_H rows
# of the main window. CX CY is its top-left corner on the screen.
read_main_geometry() {
    window_geometry "$MAIN"
    MENU_H=$((WH - CLIENT_H))
    ((WW == CLIENT_W)) || fail "main window is ${WW} wide, expected $CLIENT_W"
    ((MENU_H >= 10 && MENU_H <= 40)) || fail "main window is $WH high: menu bar would be $MENU_H px"
    CX=$WX
    CY=$((WY + MENU_H))
}

# --- Input, in client coordinates of the main window ------------------------

click_at() { xdotool mousemove --sync $((CX + $1)) $((CY + $2)) click 1; }
key() { xdotool key --delay 30 "$@"; }

# --- Screenshots; colours are "r,g,b" ---------------------------------------

shoot() { import -window root "$SHOT" || fail "screenshot failed"; }

# screen_histogram X Y W H [convert options]: "count r,g,b" lines for a
# rectangle of the screen, most frequent colour first. histogram does the
# same for a rectangle of the main window's client area.
screen_histogram() {
    convert "$SHOT" -crop "${3}x${4}+${1}+${2}" +repage "${@:5}" -depth 8 \
        -format %c histogram:info:- |
        sed -E 's/^ *([0-9]+): \( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2,\3,\4/' |
        sort -rn
}
histogram() { screen_histogram $((CX + $1)) $((CY + $2)) "$3" "$4"; }

pixel() { histogram "$1" "$2" 1 1 | cut -d' ' -f2; }
dominant() { histogram "$@" | awk 'NR == 1 {print $2}'; }

# screen_count X Y W H r,g,b: how many pixels of a rectangle of the screen
# have exactly that colour; count does the same in the client area. All
# other colours are painted over first, which keeps this quick on a
# rectangle with thousands of colours, such as the colour dialog.
screen_count() {
    local other=0,0,0
    [[ $5 != 0,0,0 ]] || other=255,255,255
    screen_histogram "$1" "$2" "$3" "$4" -fill "rgb($other)" +opaque "rgb($5)" |
        awk -v c="$5" '$2 == c {n = $1} END {print n + 0}'
}
count() { screen_count $((CX + $1)) $((CY + $2)) "$3" "$4" "$5"; }

# True once a fresh screenshot shows colour $3 at client point $1,$2.
pixel_is() { shoot && [[ $(pixel "$1" "$2") == "$3" ]]; }

# wait_pixel X Y r,g,b WHAT: the app repaints asynchronously after input.
wait_pixel() {
    local limit=$((SECONDS + 5))
    until pixel_is "$1" "$2" "$3"; do
        ((SECONDS < limit)) || fail "$4: pixel ($1,$2) is $(pixel "$1" "$2"), expected $3"
        sleep 0.05
    done
}

expect_eq() { [[ $1 == "$2" ]] || fail "$3: got '$1', expected '$2'"; }
expect_ge() { (($1 >= $2)) || fail "$3: got $1, expected at least $2"; }

# The value labels print black digits on red, green and light blue. In each
# label's full-intensity channel (R, G, B respectively) the pixels depend only
# on the digits, so labels showing the same number give identical planes.
label_plane() {
    local channels=(R G B)
    convert "$SHOT" -crop "41x17+$((CX + 88))+$((CY + 88 + 32 * $1))" +repage \
        -channel "${channels[$1]}" -separate +channel -depth 8 "$2"
}
same_image() { compare -metric AE "$1" "$2" null: >/dev/null 2>&1; }

# ink_rows / ink_cols SX SY W H: indices of the rows (columns) of a screen
# rectangle that hold any dark pixel, such as text on a light background.
ink_profile() {
    convert "$SHOT" -crop "${3}x${4}+${1}+${2}" +repage -colorspace gray \
        -threshold 50% -negate -scale "$5" -depth 8 txt:- |
        awk 'NR > 1 && $3 != "#000000" {split($1, at, /[,:]/); print at[1] + at[2]}'
}
ink_rows() { ink_profile "$@" "1x${4}!"; }
ink_cols() { ink_profile "$@" "${3}x1!"; }
