#!/usr/bin/env bash
# gallery_e2e.sh GALLERY_EXE BUILD_DIR [PICTURES_DIR]
# Starts the real gallery on the build tree's private Xvfb and Wine prefix: once on each page (closed
# with its Exit shortcut, exit code 0), once to switch skins with the Skin menu's shortcuts and with
# the popup menu (the caption's pixels change each time), and once with a bad command line. Given a
# folder, it also leaves a picture of each page there.
set -euo pipefail
exe=${1:?usage: gallery_e2e.sh GALLERY_EXE BUILD_DIR [PICTURES_DIR]}
build=$(cd "${2:?usage: gallery_e2e.sh GALLERY_EXE BUILD_DIR [PICTURES_DIR]}" && pwd)
pictures=${3:-}
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$build/wine-env/display")
export DISPLAY
shot=$build/gallery-e2e-failure.png
pages=7

pid=""
finish() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  [[ -n $pid ]] && wait "$pid" 2>/dev/null || true
}
trap finish EXIT
fail() {
  echo "gallery e2e: $*" >&2
  import -window root "$shot" 2>/dev/null && echo "screenshot of the display: $shot" >&2
  exit 1
}

# The gallery's main window: the visible window with that title that is more than the application's
# own 1 by 1 window, which carries the same title.
main_window() {
  local w
  for w in $(xdotool search --onlyvisible --name "^Gallery$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if ((WIDTH > 1)); then
      echo "$w"
      return
    fi
  done
}

# start ARGS...: runs the gallery and waits for its main window (sets pid and wid).
start() {
  /usr/lib/wine/wine64 "$exe" "$@" </dev/null >/dev/null 2>&1 &
  pid=$!
  wid=""
  for _ in $(seq 1 150); do
    wid=$(main_window || true)
    [[ -n $wid ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared ($*)"
    sleep 0.2
  done
  [[ -n $wid ]] || fail "the main window did not appear ($*)"
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
  local rc=0
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "Alt+X did not end the program"
  wait "$pid" || rc=$?
  pid=""
  ((rc == 0)) || fail "the program ended with exit code $rc"
}

# Each page, from the command line.
for page in $(seq 1 "$pages"); do
  start --page "$page"
  if [[ -n $pictures ]]; then
    mkdir -p "$pictures"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/gallery-page-$page.png"
  fi
  close
done

# Skins: the Skin menu by its shortcuts, then the popup menu's Skin sub-menu.
start
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

# A bad command line is refused with exit code 2, before any window.
rc=0
/usr/lib/wine/wine64 "$exe" --page 99 </dev/null >/dev/null 2>&1 || rc=$?
((rc == 2)) || fail "--page 99 ended with exit code $rc, not 2"
echo "gallery e2e: every page, the skin switches and the exits as expected"
