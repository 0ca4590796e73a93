#!/usr/bin/env bash
# lists_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]
# Skinned header and page control under real X input on the build tree's private Xvfb and Wine
# prefix: the header's hot item follows the mouse from item to item (frame 2 of the colour-coded
# "Headerbar" on it, frame 1 on the others) and goes when the mouse leaves; tabs clicked show frame 2
# of "Tabs"; close boxes free their pages. With SHOT_DIR, also photographs the form with the default
# skin (SHOT_DIR/lists.png).
set -euo pipefail
exe=${1:?usage: lists_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]}
build=$(cd "${2:?usage: lists_e2e.sh DEMO_EXE BUILD_DIR [SHOT_DIR]}" && pwd)
shots=${3:-}
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$build/wine-env/display")
export DISPLAY
work=$(mktemp -d)
status=$work/status.txt
failshot=$build/lists-e2e-failure.png
pid=""
finish() {
  xdotool mouseup 1 2>/dev/null || true
  [[ -n $pid ]] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "lists e2e: $*" >&2
  import -window root "$failshot" 2>/dev/null && echo "screenshot of the display: $failshot" >&2
  [[ -f $status ]] && cat "$status" >&2
  exit 1
}
get() { sed -n "s/^$1=//p" "$status" | tail -1; }
settle() { sleep "${1:-0.4}"; }
winepath_of() { echo "Z:${1//\//\\}"; }
start() {
  rm -f "$status"
  /usr/lib/wine/wine64 "$exe" --status "$(winepath_of "$status")" "$@" </dev/null >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 150); do
    [[ -s $status ]] && [[ -n $(get alive) ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before it reported"
    sleep 0.2
  done
  [[ -s $status ]] || fail "no status from the program"
  settle 1
}
# expect KEY VALUE WHAT: waits up to 3 s for the program to report KEY=VALUE.
expect() {
  local v
  for _ in $(seq 1 30); do
    v=$(get "$1")
    [[ $v == "$2" ]] && { echo "lists e2e: ok - $3 ($1=$v)"; return 0; }
    sleep 0.1
  done
  fail "$3: $1 is $v, expected $2"
}

if [[ -n $shots ]]; then
  mkdir -p "$shots"
  start --skin default
  import -window root -crop 660x440+30+20 "$shots/lists.png"
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
fi

start --skin coded
xdotool mousemove 100 600; settle
expect header_hot -1 "no header item is hot at first"
for item in 0 1 2 1; do
  xdotool mousemove "$(get item${item}_x)" "$(get item${item}_y)"; settle
  expect header_hot "$item" "the hot item follows the mouse to item $item"
  for other in 0 1 2; do
    if [[ $other == "$item" ]]; then want=2; else want=1; fi
    expect "item${other}_frame" "$want" "item $other shows frame $want"
  done
done
xdotool mousemove 100 600; settle
expect header_hot -1 "leaving the header clears the hot item"
expect item1_frame 1 "and the item it left shows frame 1 again"

# Page control: a click on a tab selects it (frame 2, the others frame 1); a click on a close box
# frees that page, and the selection moves off a page before it goes.
if [[ -z $(get pages) ]]; then
  echo "lists e2e: no page control in this build"
  echo "lists e2e: all passed"
  exit 0
fi
expect pages 4 "the page control starts with four pages"
for tab in 2 1; do
  xdotool mousemove "$(get tab${tab}_x)" "$(get tab${tab}_y)"; settle
  xdotool click 1; settle
  expect tab_sel "$tab" "a click selects tab $tab"
  expect "tab${tab}_frame" 2 "the selected tab shows frame 2"
  expect tab0_frame 1 "tab 0 shows frame 1"
done
xdotool mousemove "$(get close3_x)" "$(get close3_y)"; settle
xdotool click 1; settle
expect pages 3 "a click on the last tab's close box frees its page"
expect tab_sel 1 "and the selection stays where it was"
xdotool mousemove "$(get close1_x)" "$(get close1_y)"; settle
xdotool click 1; settle
expect pages 2 "a click on the selected tab's close box frees that page"
expect tab_sel 1 "and the next tab is selected"
expect tab1_frame 2 "showing frame 2"
kill -0 "$pid" || fail "the program ended"
echo "lists e2e: all passed"
