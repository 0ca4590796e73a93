#!/usr/bin/env bash
# gallery_e2e.sh GALLERY_EXE BUILD_DIR [PICTURES_DIR]
# Starts the real gallery on the build tree's private Xvfb and Wine prefix: once on each page (closed
# with its Exit shortcut, exit code 0), once to switch skins with the Skin menu's shortcuts and with
# the popup menu (the caption's pixels change each time), with each skin to check from the list of its
# controls that they are skinned and to click a check box, the page combo box and the menu bar, and
# once with a bad command line. Given a
# folder, it also leaves a picture of each page there.
set -euo pipefail
exe=${1:?usage: gallery_e2e.sh GALLERY_EXE BUILD_DIR [PICTURES_DIR]}
build=$(cd "${2:?usage: gallery_e2e.sh GALLERY_EXE BUILD_DIR [PICTURES_DIR]}" && pwd)
pictures=${3:-}
# shellcheck source-path=SCRIPTDIR source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"
e2e_init gallery "$exe" "$build"
pages=7

# open_gallery ARGS...: runs the gallery and waits for its main window (sets pid and wid).
open_gallery() {
  start_window Gallery "$@"
  sleep 0.8
  eval "$(xdotool getwindowgeometry --shell "$wid")"
}

# The caption bar's pixels, as a checksum.
caption() {
  import -window root -crop "$((WIDTH - 160))x12+$((X + 40))+$((Y + 6))" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# close: the Exit item's shortcut ends the program with exit code 0.
close() {
  xdotool windowfocus "$wid" 2>/dev/null || true
  xdotool key --delay 60 alt+x
  ends_cleanly "Alt+X did not end the program"
}

# Each page, from the command line.
for page in $(seq 1 "$pages"); do
  open_gallery --page "$page"
  if [[ -n $pictures ]]; then
    mkdir -p "$pictures"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/gallery-page-$page.png"
  fi
  close
done

# Skins: the Skin menu by its shortcuts, then the popup menu's Skin sub-menu.
open_gallery
xdotool windowfocus "$wid" 2>/dev/null || true
default=$(caption)
switch() {  # KEYS... : the caption must change from what it was
  local before
  before=$(caption)
  xdotool key --delay 80 "$@"
  for _ in $(seq 1 30); do
    [[ $(caption) != "$before" ]] && return 0
    sleep 0.1
  done
  fail "the caption did not change after $*"
}
switch ctrl+2  # dark
dark=$(caption)
switch ctrl+3  # none
[[ $(caption) != "$default" ]] || fail "no skin looks like the default skin"
switch ctrl+1  # default again
sleep 1  # the manager re-skins the window in its own time
# A right click on the status bar opens the popup menu; its Skin sub-menu chooses the dark skin. (The
# frame, and so the window's size, changed with the skins.)
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove "$((X + WIDTH / 2))" "$((Y + HEIGHT - 10))"
sleep 0.3
xdotool click 3
sleep 1
switch s a
[[ $(caption) == "$dark" ]] || echo "gallery e2e: the dark caption looks different the second time" >&2
close

# Controls through the list the program writes with --dump-controls: every control of every page that
# the engine hooks answers the skin query; then real clicks on a check box, the page combo box and the
# menu bar.
dump=$build/gallery-controls.txt
hooked='^(TButton|TBitBtn|TCheckBox|TRadioButton|TGroupButton|TComboBox|TEdit|TUpDown|TMemo|TListBox|TTreeView|TStringGrid|TScrollBox|TScrollBar|TListView|TTrackBar|TProgressBar|THeaderControl|TPageControl|TTabControl|TTabSheet|TTabSet|TStatusBar|TGroupBox|TRadioGroup|TDateTimePicker|TCheckListBox|TMediaPlayer)$'

start_listed() {  # ARGS...: start with the list written, wait for it
  rm -f "$dump"
  open_gallery "$@" --dump-controls "Z:${dump//\//\\}"
  for _ in $(seq 1 100); do
    [[ -s $dump ]] && return 0
    sleep 0.1
  done
  fail "the program wrote no list of its controls ($*)"
}
check_answers() {  # WHAT
  local bad count
  bad=$(awk -v re="$hooked" 'NR > 1 && $2 ~ re && $3 != 1 {printf "%s(%s) ", $1, $2}' "$dump")
  [[ -z $bad ]] || fail "$1: controls not skinned: $bad"
  count=$(awk -v re="$hooked" 'NR > 1 && $2 ~ re' "$dump" | wc -l)
  ((count > 80)) || fail "$1: only $count skinned controls in the list"
}
control() {  # NAME: CX CY CW CH := its rectangle on the screen
  local line
  line=$(awk -v n="$1" '$1 == n {print; exit}' "$dump")
  [[ -n $line ]] || fail "no control $1 in the list"
  read -r _ _ _ CX CY CW CH <<<"$line"
}
region() {  # X Y W H: a checksum of the screen's pixels there
  import -window root -crop "${3}x${4}+${1}+${2}" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
away() {  # the pointer off the window, so that nothing is left hot
  xdotool mousemove 1270 1010
  sleep 0.5
}
toggle_check() {  # WHAT: cbUnchecked (page 2) checks on a click and unchecks on the next
  local before after
  control cbUnchecked
  away
  before=$(region "$CX" "$((CY + 2))" 16 "$((CH - 4))")
  xdotool mousemove "$((CX + 7))" "$((CY + CH / 2))" click 1
  away
  after=$(region "$CX" "$((CY + 2))" 16 "$((CH - 4))")
  [[ $after != "$before" ]] || fail "$1: a click left the check box as it was"
  xdotool mousemove "$((CX + 7))" "$((CY + CH / 2))" click 1
  away
  [[ $(region "$CX" "$((CY + 2))" 16 "$((CH - 4))") == "$before" ]] ||
    fail "$1: a second click did not bring the check box back"
}

start_listed --page 2
check_answers "default skin"
toggle_check "default skin"
# The menu bar, just above the client area: a click on File drops its menu down, Escape closes it.
read -r _ _ _ FX FY _ _ <"$dump"
under=$(region "$FX" "$FY" 180 120)
xdotool mousemove "$((FX + 14))" "$((FY - 10))" click 1
sleep 0.8
[[ $(region "$FX" "$FY" 180 120) != "$under" ]] || fail "a click on File opened nothing"
xdotool key Escape
sleep 0.3
xdotool key Escape
away
[[ $(region "$FX" "$FY" 180 120) == "$under" ]] || fail "the File menu stayed open after Escape"
close

# A drop-down list (page 3) opens on a click and Escape closes it; opened again, a click on its third
# item ("Third") chooses it: the face (focused both times) shows another text and the list is gone.
start_listed --page 3
control cbxDropDownList
away
below=$(region "$CX" "$((CY + CH + 2))" "$CW" 36)
open_combo() {
  xdotool mousemove "$((CX + CW - 8))" "$((CY + CH / 2))" click 1
  sleep 0.8
  [[ $(region "$CX" "$((CY + CH + 2))" "$CW" 36) != "$below" ]] || fail "the combo box did not open"
}
open_combo
xdotool key Escape
away
[[ $(region "$CX" "$((CY + CH + 2))" "$CW" 36) == "$below" ]] || fail "Escape left the combo box's list open"
face=$(region "$((CX + 2))" "$((CY + 2))" "$((CW - 24))" "$((CH - 4))")
open_combo
xdotool mousemove "$((CX + 20))" "$((CY + CH + 33))" click 1
away
[[ $(region "$CX" "$((CY + CH + 2))" "$CW" 36) == "$below" ]] || fail "the combo box's list stayed open"
[[ $(region "$((CX + 2))" "$((CY + 2))" "$((CW - 24))" "$((CH - 4))") != "$face" ]] ||
  fail "a click on an item of the combo box chose nothing"
close

# The same with the dark skin from the command line.
start_listed --page 2 --skin dark
check_answers "dark skin"
toggle_check "dark skin"
close

# A bad command line is refused with exit code 2, before any window.
rc=0
/usr/lib/wine/wine64 "$exe" --page 99 </dev/null >/dev/null 2>&1 || rc=$?
((rc == 2)) || fail "--page 99 ended with exit code $rc, not 2"
echo "gallery e2e: every page, the skin switches, the skinned controls, the clicks and the exits as expected"
