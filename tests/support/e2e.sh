# Sourced by the real-input scripts of the programs: the build tree's Wine prefix and private
# display, a program started and its main window awaited, waiting for it to end, a demo started with
# a status file that it rewrites ten times a second, reading and waiting for its keys, a screenshot
# when something fails, and the clean-up at exit.
# e2e_init NAME EXE BUILD_DIR first; NAME starts every line the script prints. A script that keeps
# more evidence defines e2e_fail_extra, which fail runs before it exits.

e2e_init() {
  e2e_name=$1
  exe=$2
  build=$(cd "$3" && pwd)
  export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  DISPLAY=$(cat "$build/wine-env/display")
  export DISPLAY
  work=$(mktemp -d)
  status=$work/status.txt
  failshot=$build/${e2e_name// /-}-e2e-failure.png
  pid=""
  trap e2e_finish EXIT
}

e2e_finish() {
  xdotool mouseup 1 2>/dev/null || true  # never leave the button held for the next program
  [[ -n $pid ]] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  rm -rf "$work"
}

fail() {
  echo "$e2e_name e2e: $*" >&2
  import -window root "$failshot" 2>/dev/null && echo "screenshot of the display: $failshot" >&2
  [[ -f $status ]] && cat "$status" >&2
  declare -F e2e_fail_extra >/dev/null && e2e_fail_extra >&2
  exit 1
}

# launch ARGS...: the program with ARGS, in the background (sets pid).
launch() {
  /usr/lib/wine/wine64 "$exe" "$@" </dev/null >/dev/null 2>&1 &
  pid=$!
}

# main_window TITLE: the first visible window titled TITLE (a regular expression matched whole) that
# is more than the 1 by 1 window an application may keep under the same title.
main_window() {
  local w
  for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if ((WIDTH > 1)); then
      echo "$w"
      return
    fi
  done
}

# wait_window TITLE [NOTE]: waits up to 30 s for the program's window titled TITLE to show (sets
# wid); NOTE goes into the failure message.
wait_window() {
  wid=""
  for _ in $(seq 1 150); do
    wid=$(main_window "$1" || true)
    [[ -n $wid ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared${2:+ ($2)}"
    sleep 0.2
  done
  [[ -n $wid ]] || fail "the main window did not appear${2:+ ($2)}"
}

# start_window TITLE ARGS...: the program with ARGS, once its window titled TITLE shows (sets pid and
# wid).
start_window() {
  local title=$1
  shift
  launch "$@"
  wait_window "$title" "$*"
}

# wait_exit MESSAGE: waits up to 10 s for the program to end, failing with MESSAGE when it does not;
# sets exit_code to its exit status.
wait_exit() {
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "$1"
  exit_code=0
  wait "$pid" || exit_code=$?
  pid=""
}

# ends_cleanly MESSAGE: wait_exit, and the program must have ended with exit status 0.
ends_cleanly() {
  wait_exit "$1"
  ((exit_code == 0)) || fail "the program ended with exit code $exit_code"
}

# Reads one key of the status file.
get() { sed -n "s/^$1=//p" "$status" | tail -1; }
settle() { sleep "${1:-0.4}"; }
winepath_of() { echo "Z:${1//\//\\}"; }

# start ARGS...: the demo with ARGS, once it has reported that it is alive.
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

# stop: ends the demo that start started.
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

# shoot ARGS... GEOMETRY FILE: the demo started with ARGS photographed (ImageMagick crop geometry).
shoot() {
  local file=${*: -1} geometry=${*: -2:1}
  start "${@:1:$#-2}"
  import -window root -crop "$geometry" "$file"
  stop
}

check() {  # check VALUE OP EXPECTED
  case $2 in
    eq) [[ $1 -eq $3 ]] ;;
    ne) [[ $1 -ne $3 ]] ;;
    gt) [[ $1 -gt $3 ]] ;;
    ge) [[ $1 -ge $3 ]] ;;
  esac
}

# expect KEY OP VALUE WHAT: waits up to 3 s for the program to report it (it reports ten times a
# second, and this machine may be busy).
expect() {
  local v
  for _ in $(seq 1 30); do
    v=$(get "$1")
    [[ -n $v ]] && check "$v" "$2" "$3" && { echo "$e2e_name e2e: ok - $4 ($1=$v)"; return 0; }
    sleep 0.1
  done
  fail "$4: $1 is $v, expected $2 $3"
}
