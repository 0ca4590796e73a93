#!/usr/bin/env bash
# menubar_e2e.sh DEMO_EXE BUILD_DIR PACKED_SKIN [SHOT_DIR]
# Drives the skinned menu bar of menubar_demo with real X input on the build tree's private Xvfb and
# Wine prefix, and follows what the program logs: a click opens a skinned drop-down, moving the mouse
# along the bar switches menus, Left in a nested sub-menu closes only it and Left at the top wraps to
# the last bar menu, Alt+F and F10 open the bar and Alt alone ends the loop, an item's command reaches
# the form, a disabled bar item opens nothing but its command still arrives, and the MDI parent's
# window menu activates the chosen child. With SHOT_DIR, keeps a picture of the open File menu there.
set -euo pipefail
usage="usage: menubar_e2e.sh DEMO_EXE BUILD_DIR PACKED_SKIN [SHOT_DIR]"
exe=${1:?$usage}
build=$(cd "${2:?$usage}" && pwd)
skin=$(realpath "${3:?$usage}")
shots=${4:-}
# shellcheck source-path=SCRIPTDIR source=../../../support/e2e.sh
source "$(dirname "$0")/../../../support/e2e.sh"
e2e_init menubar "$exe" "$build"
log=$work/demo.log
touch "$log"
e2e_fail_extra() {
  echo "--- the program's log:"
  cat "$log"
}

launch --skin "$(winepath_of "$skin")" --log "$(winepath_of "$log")"

lines() { wc -l <"$log"; }
# Waits until a line after line number $1 matches the extended regex $2.
expect() {
  local from=$1 pattern=$2 what=$3
  for _ in $(seq 1 50); do
    tail -n +"$((from + 1))" "$log" | grep -Eq -- "$pattern" && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for: $what"
    sleep 0.1
  done
  fail "$what (no line like '$pattern')"
}
# No line after line number $1 matches $2 within half a second.
expect_none() {
  local from=$1 pattern=$2 what=$3
  sleep 0.5
  ! tail -n +"$((from + 1))" "$log" | grep -Eq -- "$pattern" || fail "$what"
}
key() {
  xdotool key "$@"
  sleep 0.3
}

for _ in $(seq 1 100); do
  grep -q '^winitem' "$log" && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended before its bar was skinned"
  sleep 0.2
done
grep -q '^winitem' "$log" || fail "the bar was never reported"
declare -A cx cy index
last=0
while read -r _ i caption x y w h; do
  cx[$caption]=$((x + w / 2))
  cy[$caption]=$((y + h / 2))
  index[$caption]=$i
  last=$i
done < <(grep '^button ' "$log")
for c in '&File' '&Edit' '&Locked' '&Window' '&Help'; do
  [[ -n ${cx[$c]:-} ]] || fail "no bar button $c"
done
[[ ${index['&Help']} == "$last" ]] || fail "Help is not the last bar button"

# A click opens File as a skinned popup.
m=$(lines)
xdotool mousemove "${cx['&File']}" "${cy['&File']}"
sleep 0.2
xdotool click 1
expect "$m" '^open 0 &File$' "a click on File did not open its menu"
expect "$m" '^popup skinned$' "the drop-down is not skinned"
expect_none "$m" '^popup native$' "a drop-down was left native"
if [[ -n $shots ]]; then
  sleep 0.5
  import -window root "$work/open.png"
  # The form, not the application's own 1-pixel window of the same title.
  WIDTH=0
  for w in $(xdotool search --onlyvisible --name '^Menu bar demo$' 2>/dev/null || true); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    ((WIDTH > 100)) && break
  done
  ((WIDTH > 100)) || fail "the demo's window was not found"
  convert "$work/open.png" -crop "$((WIDTH + 20))x$((HEIGHT * 2 / 3))+$((X - 10))+$((Y - 10))" +repage \
    "$shots/skinned-menu-bar.png"
fi

# Moving along the bar switches menus without a click.
m=$(lines)
xdotool mousemove "${cx['&Edit']}" "${cy['&Edit']}"
expect "$m" '^open 1 &Edit$' "moving onto Edit did not switch menus"
key Escape
expect "$m" '^close$' "Escape did not close the menu"
xdotool mousemove "${cx['&Help']}" "$((cy['&Help'] + 150))"

# Alt+F opens File; Down, Right opens Recent; Left closes only that; Left again wraps to Help.
m=$(lines)
key alt+f
expect "$m" '^open 0 &File$' "Alt+F did not open File"
key Down
key Right
m2=$(lines)
key Left
expect_none "$m2" '^open' "Left in the nested sub-menu moved along the bar"
key Left
expect "$m2" "^open $last &Help\$" "Left at the top did not wrap to the last bar menu"
key Escape
expect "$m2" '^close$' "Escape did not close Help"

# F10 opens the bar; Alt alone ends the loop and nothing opens again.
m=$(lines)
key F10
expect "$m" '^open 0 &File$' "F10 did not open the bar"
m2=$(lines)
key alt
expect "$m2" '^close$' "Alt alone did not end the menu loop"
expect_none "$m2" '^open' "the bar opened again after Alt"

# An item's command reaches the form: Alt+F selects the first item, Return chooses it.
m=$(lines)
key alt+f
expect "$m" '^open 0 &File$' "Alt+F did not open File"
key Return
expect "$m" '^command Open$' "the command of Open did not reach the form"

# A disabled bar item opens nothing, but its command is posted.
m=$(lines)
xdotool mousemove "${cx['&Locked']}" "${cy['&Locked']}"
sleep 0.2
xdotool click 1
expect "$m" '^command Locked$' "the disabled item's command did not arrive"
expect_none "$m" '^open [0-9]+ &Locked$' "the disabled item opened its menu"
xdotool mousemove "${cx['&Help']}" "$((cy['&Help'] + 150))"

# The window menu activates the chosen MDI child: the one that is not active now.
active=$(grep '^active ' "$log" | tail -1 | cut -d' ' -f2-)
other=Alpha
[[ $active == Alpha ]] && other=Beta
n=$(grep -E "^winitem [0-9]+ &[0-9] $other\$" "$log" | head -1 | cut -d' ' -f2)
[[ -n $n ]] || fail "the window menu does not list $other"
m=$(lines)
key alt+w
expect "$m" '^open [0-9]+ &Window$' "Alt+W did not open the window menu"
for _ in $(seq 1 "$n"); do key Down; done
key Return
expect "$m" "^active $other\$" "choosing $other in the window menu did not activate it"

# Alt+F4 ends the program cleanly.
sleep 0.3
key alt+F4
ends_cleanly "the program did not end on Alt+F4"
echo "menubar e2e: click, hover switch, nested Left, wrap, Alt+F, F10, Alt alone, command, disabled item, window menu"
