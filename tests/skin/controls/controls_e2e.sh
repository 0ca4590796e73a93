#!/usr/bin/env bash
# controls_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]
# Skinned controls under real X input on the build tree's private Xvfb and Wine prefix: hover, press,
# release outside and the space key on a skinned push button; a drag of a skinned memo's thumb (the
# system's tracking loop under the overlay); a click and a held press on a skinned list's down arrow
# (auto-repeat with the pressed face); a drag of a drop-down list's thumb that stops when the list
# closes; a combo box's button lit only under the pointer, pressed, its list opened and an item
# chosen by a click; hover, press and release outside on a skinned speed button; a press on the media
# player's skinned panel released over another button and a click; a click on a check-list line's mark.
# With SHOT_DIR, also photographs the form with the default skin (SHOT_DIR/controls.png).
set -euo pipefail
exe=${1:?usage: controls_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]}
shots=${3:-}
source "$(dirname "$0")/../../support/e2e.sh"
e2e_init controls "$exe" "${2:?usage: controls_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]}"

if [[ -n $shots ]]; then
  mkdir -p "$shots"
  shoot --skin default 600x500+30+20 "$shots/controls.png"
fi

start --skin coded

# Push button: hover shows face 4, a press face 2, a release outside no click and no pressed face.
bx=$(get button_x) by=$(get button_y)
xdotool mousemove 300 400; settle
xdotool mousemove "$bx" "$by"; settle
expect button_frame eq 4 "hover shows the hot face"
xdotool mousedown 1; settle
expect button_frame eq 2 "a press shows the pressed face"
xdotool mousemove 300 400; settle
xdotool mouseup 1; settle
expect clicks eq 0 "a release outside reports no click"
expect button_frame eq 5 "and leaves the focused face, not the pressed one"
xdotool mousemove "$bx" "$by"; settle
xdotool click 1; settle
expect clicks eq 1 "a click inside reports one click"
xdotool mousemove 300 400; settle
xdotool keydown space; settle
expect button_frame eq 2 "the space key presses"
xdotool keyup space; settle
expect clicks eq 2 "and releasing it clicks"
expect button_frame eq 5 "the focused face comes back"

# Memo: drag the skinned thumb down; the system's tracking moves the top line.
mx=$(get memo_thumb_x) my=$(get memo_thumb_y)
expect memo_top eq 0 "the memo starts at its top"
xdotool mousemove "$mx" "$my"; settle
xdotool mousedown 1; settle 0.2
for step in 1 2 3 4 5; do xdotool mousemove "$mx" "$((my + step * 10))"; settle 0.15; done
settle
expect memo_top gt 5 "dragging the thumb scrolls the memo while the button is held"
xdotool mouseup 1; settle
top=$(get memo_top)
expect memo_top eq "$top" "the memo stays where the thumb was let go"

# List: one click on the down arrow scrolls one line; a held press auto-repeats with the pressed face.
lx=$(get list_down_x) ly=$(get list_down_y)
expect list_down_frame eq 13 "the list's down arrow at rest"
xdotool mousemove "$lx" "$ly"; settle
xdotool click 1; settle
expect list_top eq 1 "one click on the down arrow scrolls one line"
xdotool mousedown 1; settle 1.2
expect list_down_frame eq 14 "the held arrow shows its pressed face"
expect list_top gt 3 "while the system auto-repeats"
xdotool mouseup 1; settle
held=$(get list_top)
settle 0.5
expect list_top eq "$held" "the repeat stops with the release"
expect list_down_frame ne 14 "and the pressed face goes"

# Combo box: the button lights only under the pointer and shows its pressed frame while pressed; the
# list opens, a click on an item chooses it, and the button is not left pressed.
cx=$(get combo_x) cy=$(get combo_y) kx=$(get combo_button_x) ky=$(get combo_button_y)
xdotool mousemove "$bx" "$by"; settle
xdotool click 1; settle  # the focus goes to the push button: the combo's focused frame would hide hovering
xdotool mousemove "$((cx - 50))" "$cy"; settle
expect combo_button_frame eq 1 "hovering the combo's text part leaves its button alone"
xdotool mousemove "$kx" "$ky"; settle
expect combo_button_frame eq 4 "hovering the combo's button lights it"
xdotool mousedown 1; settle
expect combo_dropped eq 1 "pressing the button opens the list"
expect combo_button_frame eq 2 "the pressed button shows its pressed frame"
xdotool mouseup 1; settle
item=$(get combo_item) ix=$(get combo_item_x) iy=$(get combo_item_y)
xdotool mousemove "$ix" "$iy"; settle
xdotool click 1; settle
expect combo_dropped eq 0 "a click on an item closes the list"
expect combo_sel eq "$item" "and chooses that item"
expect combo_button_frame ne 2 "the button is not left pressed"
xdotool mousemove 300 400; settle

# Speed button (windowless): hover face 4, press face 2, a release outside no click and face 1.
sx=$(get speed_x) sy=$(get speed_y)
xdotool mousemove 300 460; settle
expect speed_frame eq 1 "the speed button at rest"
xdotool mousemove "$sx" "$sy"; settle
expect speed_frame eq 4 "hovering the speed button shows the hot face"
xdotool mousedown 1; settle
expect speed_frame eq 2 "a press shows the pressed face"
xdotool mousemove 300 460; settle
xdotool mouseup 1; settle
expect speed_clicks eq 0 "a release outside reports no click"
expect speed_frame eq 1 "and leaves neither the pressed nor the hot face"
xdotool mousemove "$sx" "$sy"; settle
xdotool click 1; settle
expect speed_clicks eq 1 "a click on the speed button reports one click"

# Media player: the panel shows the press; a release over the next button reaches no one.
px=$(get player_x) py=$(get player_y) nx=$(get player_next_x)
xdotool mousemove "$px" "$py"; settle
xdotool mousedown 1; settle
expect player_frame eq 2 "a press on the player's first button shows the pressed face"
xdotool mousemove "$nx" "$py"; settle
xdotool mouseup 1; settle
expect player_clicks eq 0 "a release over another button clicks nothing"
expect player_frame eq 1 "and the pressed face goes"
xdotool mousemove "$px" "$py"; settle
xdotool click 1; settle
expect player_clicks eq 1 "a click on the first button reaches the player"
expect player_last eq 0 "as a click on play"

# Check list: a click on the first line's mark checks it.
kx=$(get checks_x) ky=$(get checks_y)
expect checks_frame eq 1 "the first line starts unchecked"
xdotool mousemove "$kx" "$ky"; settle
xdotool click 1; settle
expect checks_frame eq 5 "a click on its mark shows the checked mark"

# Drop-down list: open it, drag its thumb; pressing Escape closes the list, which takes the capture
# away and ends the drag, and the program goes on.
cx=$(get combo_x) cy=$(get combo_y)
xdotool mousemove "$cx" "$cy"; settle
xdotool click 1; settle
expect combo_dropped eq 1 "a click opens the drop-down list"
tx=$(get combo_thumb_x) ty=$(get combo_thumb_y)
expect combo_thumb_frame eq 1 "the list's bar is skinned"
xdotool mousemove "$tx" "$ty"; settle
xdotool mousedown 1; settle 0.2
for step in 1 2 3 4; do xdotool mousemove "$tx" "$((ty + step * 8))"; settle 0.15; done
settle
expect combo_top gt 2 "dragging the list's thumb moves the list"
xdotool key Escape; settle
expect combo_dropped eq 0 "Escape closes the list"
before=$(get alive)
xdotool mousemove "$tx" "$((ty + 60))"; settle
xdotool mouseup 1; settle
expect alive gt "$before" "the program keeps running after the drag ended"
kill -0 "$pid" || fail "the program ended"
echo "controls e2e: all passed"
