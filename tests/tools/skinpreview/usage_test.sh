#!/usr/bin/env bash
# usage_test.sh BUILD_DIR SKINPREVIEW_EXE SKINPACK_EXE
# The two skin tools answer a bare call and --help alike: usage to stderr and status 2 without
# arguments, usage to stdout and status 0 for --help, and the usage says what the tool does.
set -uo pipefail
build=${1:?usage: usage_test.sh BUILD_DIR SKINPREVIEW_EXE SKINPACK_EXE}
preview=${2:?}
pack=${3:?}
# Straight through wine64 (not wine-run, which joins the two streams).
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[[ -f $build/wine-env/display ]] && DISPLAY=$(cat "$build/wine-env/display") && export DISPLAY
run() { /usr/lib/wine/wine64 "$@" </dev/null; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # NAME EXE ARGS...: status and output of a bare call and of --help
  local name=$1 exe=$2
  run "$exe" >"$work/bare.out" 2>"$work/bare.err"
  local bare=$?
  run "$exe" --help >"$work/help.out" 2>"$work/help.err"
  local help=$?
  echo "$name: no arguments -> $bare, --help -> $help"
  ((bare == 2)) || { echo "$name: a bare call returns $bare, not 2"; failed=1; }
  ((help == 0)) || { echo "$name: --help returns $help, not 0"; failed=1; }
  grep -q "^usage: $name" "$work/bare.err" || { echo "$name: no usage on stderr for a bare call"; failed=1; }
  grep -q "^usage: $name" "$work/help.out" || { echo "$name: no usage on stdout for --help"; failed=1; }
  grep -q "^exit status: 0 success, 1 failure" "$work/help.out" || { echo "$name: usage without exit status"; failed=1; }
  (($(wc -l <"$work/help.out") >= 3)) || { echo "$name: the usage does not say what the tool does"; failed=1; }
}
check skinpreview "$preview"
check skinpack "$pack"
exit $failed
