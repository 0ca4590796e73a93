#!/usr/bin/env bash
# sysmenu_exit_e2e.sh GRADIENT_EXE BUILD_DIR
# The skinned utility under real X input: open the skinned system menu (right click on the caption,
# or Alt+Space), let it go with Escape, then end the program three ways (Alt+F4, the skinned close
# button, the system menu's Close). Each time the program must end by itself with exit status 0.
set -euo pipefail
exe=${1:?usage: sysmenu_exit_e2e.sh GRADIENT_EXE BUILD_DIR}
build=${2:?usage: sysmenu_exit_e2e.sh GRADIENT_EXE BUILD_DIR}
# shellcheck source-path=SCRIPTDIR source=../../support/e2e.sh
source "$(dirname "$0")/../../support/e2e.sh"
e2e_init "sysmenu exit" "$exe" "$build"
# The default skin's close button (26 x 20) sits 33 pixels left of the right edge, 5 below the top.
close_dx=33
close_w=26
close_y=5
close_h=20

visible() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

open_utility() {
  start_window 渐变字代码生成器
  sleep 1.5
  xdotool windowactivate "$wid" 2>/dev/null || true
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$wid")"
}

# Opens the skinned system menu ($1: right or alt-space) and checks that a popup appeared.
open_menu() {
  local before popup=""
  before=$(visible)
  if [[ $1 == right ]]; then
    xdotool mousemove "$((X + WIDTH / 2))" "$((Y + 12))"
    sleep 0.3
    xdotool click 3
  else
    xdotool key alt+space
  fi
  for _ in $(seq 1 25); do
    popup=$(comm -13 <(echo "$before") <(visible) | head -1 || true)
    [[ -n $popup ]] && break
    sleep 0.2
  done
  [[ -n $popup ]] || fail "the system menu did not open ($1)"
  sleep 0.3
}

# Waits for the program to end and checks its exit status.
ended() {
  wait_exit "the program still runs after $1"
  ((exit_code == 0)) || fail "the program ended with status $exit_code after $1"
  echo "sysmenu exit e2e: system menu opened and closed, then $1: exit status 0"
}

open_utility
open_menu right
xdotool key Escape
sleep 0.5
xdotool key alt+F4
ended "Alt+F4"

open_utility
open_menu alt-space
xdotool key Escape
sleep 0.5
xdotool mousemove "$((X + WIDTH - close_dx + close_w / 2))" "$((Y + close_y + close_h / 2))"
sleep 0.4
xdotool click 1
ended "the skinned close button"

open_utility
open_menu right
xdotool key Escape
sleep 0.5
open_menu right
# Close is the last item, unless Wine has added its own "About Wine" after it (behind a separator).
xdotool key Up
sleep 0.2
xdotool key Return
for _ in $(seq 1 15); do
  kill -0 "$pid" 2>/dev/null || break
  xdotool search --onlyvisible --name "^About Wine" >/dev/null 2>&1 && break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null && xdotool search --onlyvisible --name "^About Wine" >/dev/null 2>&1; then
  xdotool key Escape
  sleep 0.5
  open_menu right
  xdotool key Up Up
  sleep 0.2
  xdotool key Return
fi
ended "the system menu's Close"
