#!/usr/bin/env bash
# Started where there is no display, tinct says so in one line on stderr and
# exits 1, rather than aborting with a core dump.
source "$(dirname "$0")/lib.sh"

# expect_refusal WHAT ENV-ARGS...: runs tinct under `env ENV-ARGS`.
expect_refusal() {
    local what=$1 status=0
    shift
    timeout 20 env "$@" "$TINCT" >"$WORK/out" 2>"$WORK/err" </dev/null || status=$?
    ((status != 124)) || fail "$what: tinct still running after 20 s"
    # A crash would show here as 128 + the signal, e.g. 134 for an abort.
    expect_eq "$status" 1 "$what: exit status"
    [[ ! -s $WORK/out ]] || fail "$what: printed on stdout: $(<"$WORK/out")"
    expect_eq "$(wc -l <"$WORK/err")" 1 "$what: lines on stderr ($(<"$WORK/err"))"
    [[ -n $(tr -d '[:space:]' <"$WORK/err") ]] || fail "$what: the stderr line is empty"
    log "$what: $(<"$WORK/err")"
}

no_display=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect_refusal "no DISPLAY" "${no_display[@]}"
# Nothing listens on this display: Xvfb is not started here.
expect_refusal "a display nobody serves" "${no_display[@]}" DISPLAY=:31999
log "passed"
