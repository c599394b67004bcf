#!/usr/bin/env bash
# The colour dialog, opened by a click on the bare window (window colour) or
# on the sample text (text colour), used through its HTML field as a person
# who knows the hex code would.
source "$(dirname "$0")/lib.sh"

# open_dialog X Y: clicks there and waits for the colour dialog.
open_dialog() {
    click_at "$1" "$2"
    wait_window "Select Color"
    DIALOG=$WIN
    wm_focus "$DIALOG"
    window_geometry "$DIALOG"
}

# The dialog's preview swatch shows the colour it starts from: thousands of
# pixels of exactly that colour, where a default-white dialog has next to none.
expect_preset() {
    shoot
    expect_ge "$(screen_count "$WX" "$WY" "$WW" "$WH" "$1")" 2000 "dialog pixels of the preset $1"
}

# Alt+H is the mnemonic of the dialog's "HTML:" label and focuses its field.
choose_hex() {
    key alt+h ctrl+a
    xdotool type --delay 20 "$1"
    key Return
    wait_window_gone "Select Color"
    wm_focus "$MAIN"
}

expect_window_colour() {
    local bg=$1 what=$2
    wait_pixel 300 190 "$bg" "$what: background"
    expect_eq "$(pixel 20 40)" "$bg" "$what: background above the sliders"
    expect_eq "$(dominant 192 24 241 25)" "$bg" "$what: instruction label"
    expect_eq "$(dominant 192 48 161 73)" "$bg" "$what: sample text box"
    expect_eq "$(dominant 368 168 41 33)" "$bg" "$what: Quit box"
}

text_is() { shoot && (($(count 192 48 161 73 "$1") >= 300)); }
expect_text_colour() { wait_until 5 "$2: sample text in $1" text_is "$1"; }

start_x
start_tinct
wm_focus "$MAIN"
wait_pixel 300 190 200,200,200 "background at start"

log "the dialog is modal, and Escape leaves everything as it was"
open_dialog 300 190
expect_preset 200,200,200
# What a window manager reads to keep the dialog above its owner.
props=$(xprop -id "$DIALOG" _NET_WM_STATE WM_TRANSIENT_FOR)
grep -q _NET_WM_STATE_MODAL <<<"$props" || fail "dialog not marked modal: $props"
grep -q "window id # $(printf '0x%x' "$MAIN")\$" <<<"$props" || fail "dialog not owned by the main window: $props"
# Moved aside as by its title bar, the dialog uncovers the main window; a
# click on Quit must not get through while it is open. Input is handled in
# order, so once Escape has closed the dialog that click has been dealt with.
xdotool windowmove --sync "$DIALOG" 480 240
click_at 388 184
key Escape
wait_window_gone "Select Color"
app_running || fail "Quit ended the program while the colour dialog was open"
wm_focus "$MAIN"
expect_window_colour 200,200,200 "after Escape"
expect_text_colour 55,55,55 "after Escape"

log "a colour chosen for the window moves the sliders"
open_dialog 20 40
choose_hex '#0a141e'
expect_window_colour 10,20,30 "after #0a141e"
expect_text_colour 245,235,225 "after #0a141e"
for i in 0 1 2; do label_plane $i "$WORK/label$i.png"; done
! same_image "$WORK/label0.png" "$WORK/label1.png" || fail "labels for 10 and 20 look the same"
! same_image "$WORK/label1.png" "$WORK/label2.png" || fail "labels for 20 and 30 look the same"
cp "$WORK/label2.png" "$WORK/thirty.png"

log "the dialog starts from the current colour"
open_dialog 300 190
expect_preset 10,20,30
choose_hex '#1e1e1e'
expect_window_colour 30,30,30 "after #1e1e1e"
expect_text_colour 225,225,225 "after #1e1e1e"
# All three labels now read 30, as the blue one did before.
for i in 0 1 2; do
    label_plane $i "$WORK/label$i.png"
    same_image "$WORK/label$i.png" "$WORK/thirty.png" || fail "label $i does not read 30"
done

log "a click on the sample text chooses the text colour only"
open_dialog 272 84
expect_preset 225,225,225
choose_hex '#ff8000'
expect_text_colour 255,128,0 "after #ff8000"
# The box now has the keyboard focus, and its blinking cursor, a line 1 px
# wide, may keep the old colour; any glyph left in it would be far more.
old=$(count 192 48 161 73 225,225,225)
((old <= 73)) || fail "$old pixels of the sample text still in the old colour"
expect_window_colour 30,30,30 "after a text colour"
label_plane 0 "$WORK/label0.png"
same_image "$WORK/label0.png" "$WORK/thirty.png" || fail "red label changed with the text colour"

log "the sliders go on from the chosen values"
click_at 76 96    # red, right arrow
expect_window_colour 35,30,30 "red right arrow after the dialog"
expect_text_colour 220,225,225 "red right arrow after the dialog"

click_at 388 184
wait_app_exit 5
expect_eq "$APP_STATUS" 0 "exit status after Quit"
log "passed"
