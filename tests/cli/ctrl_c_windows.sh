#!/bin/sh
# Ctrl+C during a batch of flg2scn-cli.exe under wine, which turns a SIGINT to
# the program into the console's Ctrl+C event. The event comes while a long
# file is read, after a.flg's scenario was made and before it was named: a.scn
# is then complete, b.scn is still old, no temporary file is left, nothing is
# told, and the program ends as Ctrl+C ends a console program (wine gives the
# low byte of STATUS_CONTROL_C_EXIT as the exit status). Then the event comes
# while standard input, a pipe, is waited for, which wine's cancel cannot end:
# once the writer closes it, the program still ends with nothing told.
#
# Usage: ctrl_c_windows.sh WINDOWS_EXE LINUX_CLI
set -u
exe=$1
linux=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-ctrl-c.XXXXXX")
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../support/poll.sh"
mkdir "$work/batch" && cd "$work/batch" || exit 1
printf '#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n' >a.flg
cp a.flg b.flg
"$linux" -o "$work/a.scn" a.flg || exit 1
printf 'old' >a.scn
printf 'old' >b.scn
# Sparse: read at memory speed, and only zeros, so nothing is held.
truncate -s 1000M f.flg

failed=0
check() {  # WHAT ACTUAL EXPECTED
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: '$2', not '$3'"
        failed=1
    fi
}

# Sets program to the pid of flg2scn-cli.exe when it has FILE open and, where
# given, `CHECK PID` holds for it. Polled every 10 ms: the 1 GB read of the
# batch lasts only a little longer than one scan of the descriptors.
program_has() {  # FILE [CHECK]
    for fd in $(find /proc/[0-9]*/fd -lname "$1" 2>/dev/null); do
        pid=${fd#/proc/}
        pid=${pid%%/*}
        [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = flg2scn-cli.exe ] &&
            "${2:-true}" "$pid" && program=$pid && return
    done
    return 1
}
program_when() {  # FILE [CHECK]
    POLL_STEP=0.01 poll 2000 program_has "$@" && return
    echo "FAIL: the program never came to ${2:-open $1}"
    exit 1
}
# Waiting in read(2), whose number is 0 on x86-64, on a descriptor of the pipe.
waits_for_pipe() {
    set -- "$1" $(cat "/proc/$1/syscall" 2>/dev/null)
    [ "${2:-}" = 0 ] && [ "$(readlink "/proc/$1/fd/$(($3))")" = "$work/pipe" ]
}

wine "$exe" a.flg f.flg b.flg >"$work/out" 2>"$work/err" &
wine_pid=$!
program_when "$work/batch/f.flg"
kill -INT "$program"
wait "$wine_pid"
check "exit status" "$?" 58
check "files" "$(ls -A | tr '\n' ' ')" "a.flg a.scn b.flg b.scn f.flg "
check "a.scn" "$(cmp a.scn "$work/a.scn" 2>&1 && echo complete)" complete
check "b.scn" "$(cat b.scn)" old
check "output" "$(cat "$work/out" "$work/err")" ""

mkfifo "$work/pipe"
exec 3<>"$work/pipe"  # the writer, held open until the event has come
wine "$exe" - <"$work/pipe" >"$work/out" 2>"$work/err" 3>&- &
wine_pid=$!
program_when "$work/pipe" waits_for_pipe
threads() { ls "/proc/$program/task" 2>/dev/null | wc -l; }
before=$(threads)
kill -INT "$program"
# Wine runs the console's handler on a thread of its own, which stays to cancel
# the read until it ends (a cancel that ends it on Windows, not under wine).
more_threads() { [ "$(threads)" -gt "$before" ]; }
handler=missing
POLL_STEP=0.01 poll 400 more_threads && handler=gone
# Seen once more: a handler that returns at once may be caught on its way out.
[ "$handler" = gone ] && more_threads && handler=waiting
check "the handler, while the read goes on" "$handler" waiting
exec 3>&-
wait "$wine_pid"
check "exit status on a pipe" "$?" 58
check "output on a pipe" "$(cat "$work/out" "$work/err")" ""
[ "$failed" = 0 ] && echo "Ctrl+C kept a.scn complete and b.scn old, and told nothing"
exit "$failed"
