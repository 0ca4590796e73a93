#!/usr/bin/env bash
# form_e2e.sh GRADIENT_EXE BUILD_DIR [SHOT_DIR]
# The skinned utility window under real X input on the build tree's private Xvfb and Wine prefix:
# drag the skinned caption to move the window, then click the skinned close button to end the
# program. With SHOT_DIR, also photographs the window active and inactive (SHOT_DIR/form-active.png,
# SHOT_DIR/form-inactive.png).
set -euo pipefail
exe=${1:?usage: form_e2e.sh GRADIENT_EXE BUILD_DIR [SHOT_DIR]}
build=${2:?usage: form_e2e.sh GRADIENT_EXE BUILD_DIR [SHOT_DIR]}
shots=${3:-}
# shellcheck source-path=SCRIPTDIR source=../../support/e2e.sh
source "$(dirname "$0")/../../support/e2e.sh"
e2e_init form "$exe" "$build"
# The default skin: 5-pixel sides, a 30-pixel caption; the close button (26 x 20) sits 33 pixels left
# of the right edge, 5 below the top.
close_dx=33
close_w=26
close_y=5
close_h=20

start_window 渐变字代码生成器
sleep 1.5

geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }
geometry
x0=$X y0=$Y
echo "form e2e: window ${WIDTH}x${HEIGHT} at $x0,$y0"

if [[ -n $shots ]]; then
  mkdir -p "$shots"
  # A little margin around the window, which has rounded corners.
  crop="$((WIDTH + 20))x$((HEIGHT + 20))+$((X - 10))+$((Y - 10))"
  xdotool windowactivate "$wid" 2>/dev/null || true
  sleep 0.5
  import -window root -crop "$crop" "$shots/form-active.png"
  # Another X client's window takes the focus: the utility's frame turns inactive.
  xmessage -geometry +0+0 "other window" &
  other=$!
  sleep 0.8
  owid=$(xdotool search --pid "$other" 2>/dev/null | head -1 || true)
  [[ -z $owid ]] && owid=$(xdotool search --name "^xmessage$" 2>/dev/null | head -1 || true)
  [[ -n $owid ]] && xdotool windowfocus "$owid" 2>/dev/null || true
  sleep 0.8
  import -window root -crop "$crop" "$shots/form-inactive.png"
  kill "$other" 2>/dev/null || true
  wait "$other" 2>/dev/null || true
  xdotool windowactivate "$wid" 2>/dev/null || true
  sleep 0.5
fi

# Drag the caption from a point left of the buttons and right of the title.
grab_x=$((x0 + WIDTH - 110))
grab_y=$((y0 + 12))
xdotool mousemove "$grab_x" "$grab_y"
sleep 0.3
xdotool mousedown 1
sleep 0.3
for step in 1 2 3 4 5 6; do
  xdotool mousemove "$((grab_x + step * 10))" "$((grab_y + step * 8))"
  sleep 0.1
done
sleep 0.3
xdotool mouseup 1
sleep 0.8
geometry
dx=$((X - x0)) dy=$((Y - y0))
echo "form e2e: moved by $dx,$dy"
((dx == 60 && dy == 48)) || fail "dragging the caption by 60,48 moved the window by $dx,$dy"

# Click the skinned close button: the program ends.
xdotool mousemove "$((X + WIDTH - close_dx + close_w / 2))" "$((Y + close_y + close_h / 2))"
sleep 0.4
xdotool click 1
ends_cleanly "the program still runs after its close button was clicked"
echo "form e2e: closed by the skinned close button"
