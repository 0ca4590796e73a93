#!/usr/bin/env bash
# lists_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]
# Skinned header and page control under real X input on the build tree's private Xvfb and Wine
# prefix: the header's hot item follows the mouse from item to item (frame 2 of the colour-coded
# "Headerbar" on it, frame 1 on the others) and goes when the mouse leaves; tabs clicked show frame 2
# of "Tabs"; close boxes free their pages. With SHOT_DIR, also photographs the form with the default
# skin (SHOT_DIR/lists.png).
set -euo pipefail
exe=${1:?usage: lists_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]}
shots=${3:-}
source "$(dirname "$0")/../../support/e2e.sh"
e2e_init lists "$exe" "${2:?usage: lists_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]}"

if [[ -n $shots ]]; then
  mkdir -p "$shots"
  shoot --skin default 660x440+30+20 "$shots/lists.png"
fi

start --skin coded
xdotool mousemove 100 600; settle
expect header_hot eq -1 "no header item is hot at first"
for item in 0 1 2 1; do
  xdotool mousemove "$(get item${item}_x)" "$(get item${item}_y)"; settle
  expect header_hot eq "$item" "the hot item follows the mouse to item $item"
  for other in 0 1 2; do
    if [[ $other == "$item" ]]; then want=2; else want=1; fi
    expect "item${other}_frame" eq "$want" "item $other shows frame $want"
  done
done
xdotool mousemove 100 600; settle
expect header_hot eq -1 "leaving the header clears the hot item"
expect item1_frame eq 1 "and the item it left shows frame 1 again"

# Page control: a click on a tab selects it (frame 2, the others frame 1); a click on a close box
# frees that page, and the selection moves off a page before it goes.
if [[ -z $(get pages) ]]; then
  echo "lists e2e: no page control in this build"
  echo "lists e2e: all passed"
  exit 0
fi
expect pages eq 4 "the page control starts with four pages"
for tab in 2 1; do
  xdotool mousemove "$(get tab${tab}_x)" "$(get tab${tab}_y)"; settle
  xdotool click 1; settle
  expect tab_sel eq "$tab" "a click selects tab $tab"
  expect "tab${tab}_frame" eq 2 "the selected tab shows frame 2"
  expect tab0_frame eq 1 "tab 0 shows frame 1"
done
xdotool mousemove "$(get close3_x)" "$(get close3_y)"; settle
xdotool click 1; settle
expect pages eq 3 "a click on the last tab's close box frees its page"
expect tab_sel eq 1 "and the selection stays where it was"
xdotool mousemove "$(get close1_x)" "$(get close1_y)"; settle
xdotool click 1; settle
expect pages eq 2 "a click on the selected tab's close box frees that page"
expect tab_sel eq 1 "and the next tab is selected"
expect tab1_frame eq 2 "showing frame 2"
kill -0 "$pid" || fail "the program ended"
echo "lists e2e: all passed"
