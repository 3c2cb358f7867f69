#!/usr/bin/env bash
# The window program's command line: help and version need no display, and
# --help-all, not --help, lists Qt's own options; more than one FILE and an
# unknown option are usage errors; without a display the program says so in one
# line; Qt's options reach Qt.
#   command_line_test.sh PROGRAM
set -uo pipefail
program=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }
check() {  # ARGS... -- STATUS STDOUT-START STDERR-START
  local args=() ; while [ "$1" != -- ]; do args+=("$1"); shift; done; shift
  out=$("$program" "${args[@]}" 2>/tmp/flg2scn-cl-err.$$); status=$?
  err=$(cat /tmp/flg2scn-cl-err.$$); rm -f /tmp/flg2scn-cl-err.$$
  [ "$status" = "$1" ] || fail "${args[*]}: exit $status, not $1 ($err)"
  [[ "$out" == "$2"* ]] || fail "${args[*]}: output '$out'"
  [[ "$err" == "$3"* ]] || fail "${args[*]}: error '$err'"
}
check --help -- 0 "Usage: flg2scn [options] [FILE]" ""
check -h -- 0 "Usage: " ""
check --version -- 0 "flg2scn 0." ""
check -v -- 0 "flg2scn 0." ""
check -style=fusion -reverse --version -- 0 "flg2scn 0." ""
[[ "$("$program" --help-all)" == *"--display <hostname:screen>"* ]] || fail "--help-all"
[[ "$("$program" --help)" != *"--display"* ]] || fail "--help lists Qt's options"
check a.flg b.flg -- 2 "" "flg2scn: give at most one FILE"
check --frobnicate -- 2 "" "flg2scn: Unknown option 'frobnicate'."
# Without a display: one line that says so.
check a.flg -- 1 "" "flg2scn: no display to show the window on (DISPLAY is not set)"
[ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "no display: '$err'"
DISPLAY=:9999 check -- 1 "" "flg2scn: no display to show the window on (DISPLAY=:9999 cannot"
check -display :9999 -- 1 "" "flg2scn: no display to show the window on (-display :9999 cannot"
# One FILE starts the window on the platform named: still running when stopped
# after a second.
timeout 1 "$program" -platform offscreen a.flg >/dev/null 2>&1; status=$?
[ "$status" = 124 ] || fail "a.flg: the window did not start (exit $status)"
echo "help, version, Qt's options, one FILE, usage errors and no display as expected"
