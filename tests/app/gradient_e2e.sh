#!/usr/bin/env bash
# gradient_e2e.sh GRADIENT_EXE BUILD_DIR
# Starts the real program on the build tree's private Xvfb and Wine prefix, drives it with real input
# events (click the background, type "ab", click the generate button) and reads the X clipboard, which
# Wine serves while the program runs.
set -euo pipefail
exe=${1:?usage: gradient_e2e.sh GRADIENT_EXE BUILD_DIR}
build=${2:?usage: gradient_e2e.sh GRADIENT_EXE BUILD_DIR}
# shellcheck source-path=SCRIPTDIR source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"
e2e_init gradient "$exe" "$build"
expected='[color=#FF0000]a[/color][color=#0000FF]b[/color]'
client_width=249
client_height=73

start_window 渐变字代码生成器
# The application's own window carries the title shown on the task bar.
xdotool search --name "^Kuvo渐变字代码生成器$" >/dev/null 2>&1 || fail "no window with the application title"
sleep 1

# Wine draws the frame itself, so the X window is the whole window: the client area sits at the
# bottom centre of it, below the caption.
eval "$(xdotool getwindowgeometry --shell "$wid")"
border=$(((WIDTH - client_width) / 2))
client_x=$((X + border))
client_y=$((Y + HEIGHT - border - client_height))
((border >= 0 && HEIGHT > client_height)) || fail "unexpected window size ${WIDTH}x${HEIGHT}"

click() {  # client coordinates
  xdotool mousemove "$((client_x + $1))" "$((client_y + $2))"
  sleep 0.2
  xdotool click 1
  sleep 0.5
}

# The background above the field: clears, enables and focuses it.
click 124 6
before=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
[[ $before != "$expected" ]] || fail "the clipboard held the mark-up before the button was pressed"

# A Wine prefix that has just been made may still be starting its services and drop the first keys,
# so a try selects whatever the field holds and types over it.
got=""
for attempt in 1 2 3; do
  xdotool windowfocus "$wid" 2>/dev/null || true
  click 100 26  # into the field (32..217 x 16..37)
  xdotool key --delay 50 End shift+Home
  xdotool type --delay 100 "ab"
  sleep 0.5
  # "生成代码并复制到剪切板" spans 16..233 x 40..65.
  click 124 52
  for _ in $(seq 1 12); do
    got=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
    [[ $got == "$expected" ]] && break 2
    sleep 0.25
  done
  echo "gradient e2e: try $attempt gave '$got'" >&2
done
[[ $got == "$expected" ]] || fail "clipboard holds '$got', expected '$expected'"
echo "gradient e2e: clipboard holds $got"
