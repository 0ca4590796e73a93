# Sourced by the real-input scripts of the demo programs: the build tree's Wine prefix and private
# display, a demo started with a status file that it rewrites ten times a second, reading and
# waiting for its keys, a screenshot when something fails, and the clean-up at exit.
# e2e_init NAME EXE BUILD_DIR first; NAME starts every line the script prints.

e2e_init() {
  e2e_name=$1
  exe=$2
  build=$(cd "$3" && pwd)
  export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  DISPLAY=$(cat "$build/wine-env/display")
  export DISPLAY
  work=$(mktemp -d)
  status=$work/status.txt
  failshot=$build/$e2e_name-e2e-failure.png
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
  exit 1
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
