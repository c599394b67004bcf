#!/usr/bin/env bash
# The main window as it first appears, its sliders under real mouse clicks,
# and the Quit box.
source "$(dirname "$0")/lib.sh"

GREY=200,200,200

# Everything that takes the window colour, and the sample text's colour.
expect_colours() {
    local bg=$1 text=$2 what=$3
    expect_eq "$(pixel 300 190)" "$bg" "$what: background right of the sliders"
    expect_eq "$(pixel 20 40)" "$bg" "$what: background above the sliders"
    expect_eq "$(dominant 192 24 241 25)" "$bg" "$what: instruction label"
    expect_eq "$(dominant 192 48 161 73)" "$bg" "$what: sample text box"
    expect_eq "$(dominant 368 168 41 33)" "$bg" "$what: Quit box"
    # The glyphs are anti-aliased, but their strokes are wide enough to have
    # many pixels of exactly the text colour.
    expect_ge "$(count 192 48 161 73 "$text")" 300 "$what: sample text pixels of $text"
    # The value labels keep their own colours whatever the window colour is.
    expect_eq "$(dominant 88 88 41 17)" 255,0,0 "$what: red value label"
    expect_eq "$(dominant 88 120 41 17)" 0,255,0 "$what: green value label"
    expect_eq "$(dominant 88 152 41 17)" 128,128,255 "$what: blue value label"
}

start_x
start_tinct
wm_focus "$MAIN"

log "caption, placement and fixed size"
# The caption was matched exactly when the window was found.
expect_eq "$WX,$WY" 0,0 "window position without a window manager"
hints=$(xprop -id "$MAIN" WM_NORMAL_HINTS)
grep -q "minimum size: $WW by $WH\$" <<<"$hints" || fail "no minimum size $WW x $WH in: $hints"
grep -q "maximum size: $WW by $WH\$" <<<"$hints" || fail "no maximum size $WW x $WH in: $hints"

log "what window lists match it by: class and icon"
grep -q '"tinct", "tinct"' <<<"$(xprop -id "$MAIN" WM_CLASS)" || fail "WM_CLASS is not tinct"
grep -q 'Icon (64 x 64)' <<<"$(xprop -id "$MAIN" _NET_WM_ICON)" || fail "no 64 x 64 window icon"

log "colours at start"
wait_pixel 300 190 "$GREY" "window background at start"
# The client area is exactly the bottom 213 rows: its first row is already
# window background, the row above it still belongs to the menu bar.
[[ $(pixel 300 -1) != "$GREY" ]] || fail "the menu bar is less than $MENU_H px high"
expect_eq "$(pixel 300 0)" "$GREY" "top row of the client area"
expect_eq "$(pixel 300 212)" "$GREY" "bottom row of the client area"
expect_colours "$GREY" 55,55,55 "at start"
label_plane 0 "$WORK/red-200.png"
label_plane 1 "$WORK/green-200.png"
label_plane 2 "$WORK/blue-200.png"
same_image "$WORK/red-200.png" "$WORK/green-200.png" || fail "red and green labels differ at start"
same_image "$WORK/red-200.png" "$WORK/blue-200.png" || fail "red and blue labels differ at start"

log "arrow clicks step by 5"
click_at 76 96    # red, right arrow
wait_pixel 300 190 205,200,200 "red right arrow"
expect_colours 205,200,200 50,55,55 "red at 205"
[[ $(count 192 48 161 73 55,55,55) == 0 ]] || fail "old text colour left after red changed"
label_plane 0 "$WORK/red-205.png"
! same_image "$WORK/red-205.png" "$WORK/red-200.png" || fail "red label still shows 200"

click_at 4 96     # red, left arrow
wait_pixel 300 190 "$GREY" "red left arrow"
expect_colours "$GREY" 55,55,55 "red back at 200"
label_plane 0 "$WORK/red-back.png"
same_image "$WORK/red-back.png" "$WORK/red-200.png" || fail "red label does not show 200 again"

log "a click on the track steps by 50"
click_at 22 128   # green, track left of the thumb
wait_pixel 300 190 200,150,200 "green track click"
expect_colours 200,150,200 55,105,55 "green at 150"

log "values stop at 255 and 0"
xdotool mousemove --sync $((CX + 76)) $((CY + 160)) click --repeat 12 --delay 20 1  # blue +60
xdotool mousemove --sync $((CX + 4)) $((CY + 96)) click --repeat 42 --delay 20 1   # red -210
# Input is handled in order: once this last click shows, so have all above.
click_at 76 128   # green, right arrow
wait_pixel 300 190 0,155,255 "blue clicked up past 255, red down past 0"
expect_colours 0,155,255 255,100,0 "at the ends of the range"

log "the Quit box ends the program"
click_at 388 184
wait_app_exit 5
expect_eq "$APP_STATUS" 0 "exit status after Quit"
log "passed"
