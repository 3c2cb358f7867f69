#!/bin/sh
# Ctrl+C during a batch of flg2scn-cli.exe under wine, which turns a SIGINT to
# the program into the console's Ctrl+C event. The event comes while a long
# file is read, after a.flg's scenario was made and before it was named: a.scn
# is then complete, b.scn is still old, no temporary file is left, nothing is
# told, and the program ends as Ctrl+C ends a console program (wine gives the
# low byte of STATUS_CONTROL_C_EXIT as the exit status).
#
# Usage: ctrl_c_windows.sh WINDOWS_EXE LINUX_CLI
set -u
exe=$1
linux=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-ctrl-c.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/batch" && cd "$work/batch" || exit 1
printf '#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n' >a.flg
cp a.flg b.flg
"$linux" -o "$work/a.scn" a.flg || exit 1
printf 'old' >a.scn
printf 'old' >b.scn
# Sparse: read at memory speed, and only zeros, so nothing is held.
truncate -s 1000M f.flg

wine "$exe" a.flg f.flg b.flg >"$work/out" 2>"$work/err" &
wine_pid=$!
program=""
for _ in $(seq 2000); do
    for fd in $(find /proc/[0-9]*/fd -lname "$work/batch/f.flg" 2>/dev/null); do
        pid=${fd#/proc/}
        pid=${pid%%/*}
        [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = flg2scn-cli.exe ] && program=$pid
    done
    [ -n "$program" ] && break
    sleep 0.01
done
[ -n "$program" ] || { echo "FAIL: the program never read f.flg"; exit 1; }
kill -INT "$program"
wait "$wine_pid"
status=$?

failed=0
check() {  # WHAT ACTUAL EXPECTED
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: '$2', not '$3'"
        failed=1
    fi
}
check "exit status" "$status" 58
check "files" "$(ls -A | tr '\n' ' ')" "a.flg a.scn b.flg b.scn f.flg "
check "a.scn" "$(cmp a.scn "$work/a.scn" 2>&1 && echo complete)" complete
check "b.scn" "$(cat b.scn)" old
check "output" "$(cat "$work/out" "$work/err")" ""
[ "$failed" = 0 ] && echo "Ctrl+C kept a.scn complete and b.scn old"
exit "$failed"
