# shellcheck shell=bash
# Shared by the end-to-end scripts: a scratch folder, the real tinct run in
# the background, and waiting by polling, never by guessing.
# Usage of a script: SCRIPT.sh PATH/TO/tinct. What it leaves is kept in
# ./e2e-SCRIPT/ when it fails.
set -euo pipefail

TINCT=$(realpath "${1:?usage: $0 PATH/TO/tinct}")
WORK=$PWD/e2e-$(basename "$0" .sh)
rm -rf "$WORK"
mkdir -m 700 -p "$WORK"
PIDS=() # servers to stop at the end
APP=    # tinct, while it runs

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    local status=$?
    [[ -z $APP ]] || kill "$APP" 2>/dev/null || true
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if ((status == 0)); then
        rm -rf "$WORK"
    else
        tail -n 20 "$WORK"/*.err >&2 2>/dev/null || true
        echo "screenshots and logs kept in $WORK" >&2
    fi
}
trap cleanup EXIT

# True while process $1 runs (an ended child that was not waited for still
# answers kill -0).
alive() { [[ -r /proc/$1/stat && $(cut -d' ' -f3 "/proc/$1/stat") != Z ]]; }

# wait_until WHAT COMMAND...: polls COMMAND for up to 10 s, and gives up at
# once when tinct has ended.
wait_until() {
    local what=$1 deadline=$((SECONDS + 10))
    shift
    until "$@"; do
        [[ -z $APP ]] || alive "$APP" || fail "tinct ended while waiting for $what"
        ((SECONDS < deadline)) || fail "gave up after 10 s waiting for $what"
        sleep 0.05
    done
}

# start_tinct ARGS...: the desktop's own Qt settings would change what is on
# screen, so tinct gets none of them.
start_tinct() {
    env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR \
        XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK" \
        "$TINCT" "$@" >"$WORK/tinct.out" 2>"$WORK/tinct.err" &
    APP=$!
}

# Waits for tinct to end, and sets STATUS to its exit status.
wait_exit() {
    local pid=$APP
    APP=
    wait_until "tinct to end" eval "! alive $pid"
    STATUS=0
    wait "$pid" || STATUS=$?
}
