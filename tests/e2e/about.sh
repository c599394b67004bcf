#!/usr/bin/env bash
# The About window: opened from Help by keyboard and by mouse, its printed
# instructions, and closing the windows as a person would.
source "$(dirname "$0")/lib.sh"

about_has_text() { shoot && [[ -n $(ink_rows "$AX" "$AY" 312 109) ]]; }

# Waits for the About window, gives it the focus and checks its text: six
# lines, the third and fifth blank, printed from the top-left corner, so
# four bands of ink (the first two may touch) in the top 80 rows.
expect_about() {
    wait_window About
    ABOUT=$WIN
    wm_focus "$ABOUT"
    window_geometry "$ABOUT"
    expect_eq "${WW}x${WH}" 312x109 "About window size"
    AX=$WX AY=$WY
    wait_until 5 "text in the About window" about_has_text
    local rows first last bands left
    rows=$(ink_rows "$AX" "$AY" 312 109)
    first=$(head -n1 <<<"$rows")
    last=$(tail -n1 <<<"$rows")
    bands=$(awk 'NR == 1 || $1 != prev + 1 {n++} {prev = $1} END {print n}' <<<"$rows")
    left=$(ink_cols "$AX" "$AY" 312 12 | head -n1)
    ((first <= 4)) || fail "About text starts at row $first, not at the top"
    ((left <= 4)) || fail "About text starts at column $left, not at the left edge"
    ((last < 80)) || fail "About text runs down to row $last (printed twice?)"
    ((bands == 3 || bands == 4)) || fail "About text has $bands bands of lines, expected 4"
    find_window "$MAIN_CAPTION" || fail "the main window went away"
}

start_x
start_tinct
wm_focus "$MAIN"

log "Alt+H opens About"
key alt+h
expect_about

log "About prints once, not at every activation"
wm_focus "$MAIN"
wm_focus "$ABOUT"
# Input is handled in order: once this click shows, so has the activation.
click_at 76 128   # green, right arrow
wait_pixel 300 190 200,205,200 "green right arrow with About open"
expect_about

log "closing About leaves the program running"
wm_close "$ABOUT"
wait_window_gone About
find_window "$MAIN_CAPTION" || fail "the main window closed with About"
app_running || fail "tinct ended when About was closed"

log "a mouse click on Help opens About again"
wm_focus "$MAIN"
xdotool mousemove --sync $((CX + 22)) $((CY - MENU_H / 2)) click 1
expect_about

log "closing both windows ends the program"
wm_close "$ABOUT"
wait_window_gone About
wm_close "$MAIN"
wait_app_exit 5
expect_eq "$APP_STATUS" 0 "exit status after closing both windows"
log "passed"
