#!/bin/sh
# Every system call in turn (after SQLite's I/O-error tests): each call that a
# run makes once it has started is failed with a fitting error, and, in a run of
# its own, cut off there by SIGKILL. After each run:
# - no crash and no hang;
# - every output holds its old bytes (or is still absent) or the whole new ones;
# - nothing is left in the folder but what was there and the outputs, and after
#   SIGKILL the hidden .NAME.flg2scn that the README allows;
# - exit status 0 only when every output is new and no sync failed that nothing
#   made up for (a failed fsync by a later syncfs, a failed syncfs by fsyncs);
#   otherwise a message that names a file and the reason;
# - the window's Load that fails keeps the text area's text.
# Programs built for Windows (.exe) run under wine instead of strace, and their
# Windows file calls are failed, and the process ended there with
# TerminateProcess, by the hooks of their test build (support/windows_faults.cpp).
#
# Usage: faults_test.sh FLG2SCN_CLI FILE_COMMANDS_PROBE
set -u
cli=$1
probe=$2
case $cli in *.exe) windows=1 ;; *) windows=0 ;; esac
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-faults.XXXXXX")
trap 'rm -rf "$work"' EXIT
if [ "$windows" = 1 ]; then
    # The first program of a wine server starts wine's own services, and they
    # write to its standard error for as long as they run: a page fault in the
    # driver host has been seen there. So the test has a server of its own, kept
    # up while it runs, whose services are started here with their words put aside.
    wineserver -k 2>/dev/null
    wineserver -w
    trap 'wineserver -k 2>/dev/null; wineserver -w; rm -rf "$work"' EXIT
    wineserver -p
    wine cmd.exe /c exit >/dev/null 2>&1
fi

# LeakSanitizer cannot work under a tracer.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS

flag() { printf '#%s\r\n<1 2 3>\r\n<4 5 6>\r\n' "$1"; }

# Each scenario: its files made afresh in $work/run, the outputs, the names a
# message may give, and where its own calls begin and end in a trace.
setup() {
    rm -rf "$work/run"
    mkdir "$work/run"
    cd "$work/run" || exit 1
    case $scenario in
        batch)
            flag X >x.flg && flag Y >y.flg && flag Z >z.flg
            # Longer than its scenario, so that one written over in place shows.
            printf 'old x%2000s' '' >x.scn && printf 'old z' >z.scn
            outputs='x.scn y.scn z.scn' names='x.flg|y.flg|z.flg|x.scn|y.scn|z.scn' ;;
        output)
            flag A >a.flg && printf 'old' >old.scn
            outputs=old.scn names='a.flg|old.scn' ;;
        stream)
            flag S >s.flg && : >stdout.scn
            outputs=stdout.scn names='standard input|standard output' ;;
        load-save)
            flag L >in.flg && printf 'old' >out.scn
            outputs=out.scn names='in.flg|out.scn' ;;
    esac
}

# Runs the scenario with no fault, or with FAULT (error or kill) at the Nth call
# of CALL: under strace, or under wine with the hooks; either writes ../trace.
run() {
    if [ "$windows" = 1 ]; then
        FLG2SCN_CALLS=../trace
        FLG2SCN_FAULT=${1:+"$2 $3 $([ "$1" = kill ] && echo kill || error_for "$2")"}
        export FLG2SCN_CALLS FLG2SCN_FAULT
        set -- wine
    else
        case ${1:-} in
            error) set -- -e inject="$2:error=$(error_for "$2"):when=$3" ;;
            kill) set -- -e inject="$2:signal=SIGKILL:when=$3" ;;
        esac
        set -- strace -qq -o ../trace "$@"
    fi
    case $scenario in
        batch) timeout -s KILL 60 "$@" "$cli" x.flg y.flg z.flg ;;
        output) timeout -s KILL 60 "$@" "$cli" -o old.scn a.flg ;;
        stream) timeout -s KILL 60 "$@" "$cli" - <s.flg >stdout.scn ;;
        load-save) timeout -s KILL 60 "$@" "$probe" in.flg out.scn >../out ;;
    esac 2>../err
}

# Runs as run does. Wine now and then ends a program at once, with status 1 and
# not a word (about one run in a thousand here), which the program never does
# by itself. The program is deterministic, and a fault it is given strikes at
# the same call every time, so such a run is made once more: a fault of the
# program's own comes back, and is reported.
run_once_more_for_wine() {
    run "$@"
    status=$?
    if [ "$windows" = 1 ] && [ "$status" = 1 ] && [ ! -s "$work/err" ]; then
        setup
        run "$@"
        status=$?
    fi
    return "$status"
}

# The calls of the trace that are the program's own, as "NAME N": the Nth call
# of NAME. flg2scn-cli's begin with its first (it asks whether standard input
# is open) and end at its exit; the probe marks its own with getppid.
own_calls() {
    if [ "$windows" = 1 ]; then
        awk '{ print $1, ++count[$1] }' "$work/trace"
        return
    fi
    case $scenario in
        load-save) start='^getppid\(' end='^getppid\(' ;;
        *) start='^fcntl\(0, F_GETFD' end='^exit_group\(' ;;
    esac
    awk -v start="$start" -v end="$end" '
        { name = $0; sub(/\(.*/, "", name); n = ++count[name] }
        state == 1 && $0 ~ end { state = 2 }
        state == 0 && $0 ~ start { state = 1; if (name == "getppid") next }
        state == 1 && name !~ skipped { print name, n }' skipped="$skipped" "$work/trace"
}
# Calls with no error to fail them with: the kernel's brk never fails with an
# errno (it gives back the old break, and glibc takes strace's -1 for a break),
# and futex is only the C++ runtime's lock for a static, for which glibc aborts
# on any error as impossible.
skipped='^(brk|futex)$'

error_for() {
    case $1 in
        open | openat | CreateFileW | DeleteFileW | GetFileAttributesW) echo EACCES ;;
        write | pwrite64 | writev | WriteFile) echo ENOSPC ;;
        brk | mmap | munmap | mremap) echo ENOMEM ;;
        *) echo EIO ;;
    esac
}

# What a message says for the error that error_for gives: on Windows in its own
# words (wine's).
reason_of() {
    case $windows$(error_for "$1") in
        0EACCES) echo 'Permission denied' ;;
        1EACCES) echo 'Access denied' ;;
        0ENOSPC) echo 'No space left on device' ;;
        1ENOSPC) echo 'Disk full' ;;
        0ENOMEM) echo 'out of memory|Cannot allocate memory' ;;
        0*) echo 'Input/output error' ;;
        *) echo 'I/O device error' ;;
    esac
}

# Whether the trace shows a sync after the failed one that makes up for it.
made_up_for() {
    awk -v want="$1" 'found && $0 ~ "^" want "\\(.*= 0$" { ok = 1 }
                      /INJECTED/ { found = 1 }
                      END { exit !ok }' "$work/trace"
}

# Checks a run; prints what did not hold, if anything.
check() {
    fault=$1 call=$2 status=$3
    if [ "$status" = 137 ] && [ "$fault" = error ]; then
        echo "hang or crash (killed)"
        return
    fi
    case $fault:$status in
        kill:137 | error:0 | error:1) ;;
        *) echo "exit status $status: $(cat "$work/err")" ;;
    esac
    all_new=1
    for o in $outputs; do
        if cmp -s "$o" "$work/new/$o"; then
            continue
        fi
        all_new=0
        if [ -e "$work/old/$o" ]; then
            cmp -s "$o" "$work/old/$o" || echo "$o is neither its old nor its new contents"
        elif [ -e "$o" ]; then
            echo "$o is there, and not the new scenario"
        fi
    done
    allowed=$(cat "$work/before")
    for o in $outputs; do
        allowed="$allowed $o"
        [ "$fault" = kill ] && allowed="$allowed .$o.flg2scn"
    done
    for f in .[!.]* *; do
        [ -e "$f" ] || continue
        case " $allowed " in *" $f "*) ;; *) echo "left $f" ;; esac
    done
    [ "$fault" = kill ] && return
    if [ "$status" = 0 ]; then
        [ "$all_new" = 1 ] || echo "exit status 0, but not every output is new"
        case $call in
            fsync | fdatasync) made_up_for syncfs || echo "exit status 0 after a failed $call" ;;
            syncfs) made_up_for fsync || echo "exit status 0 after a failed syncfs" ;;
            FlushFileBuffers) echo "exit status 0 after a failed FlushFileBuffers" ;;
        esac
    elif ! grep -Eq "($names)" "$work/err"; then
        echo "exit status $status without a message naming the file: $(cat "$work/err")"
    elif ! grep -Eq "$(reason_of "$call")" "$work/err"; then
        echo "exit status $status without the reason: $(cat "$work/err")"
    fi
    if [ "$scenario" = load-save ]; then
        if grep -q '^Error: Cannot read file' "$work/err"; then
            printf 'kept\r\n' | cmp -s - "$work/out" || echo "Load lost the text area's text"
        fi
    fi
}

tried=0
failed=0
for scenario in batch output stream load-save; do
    setup
    rm -rf "$work/old" "$work/new"
    mkdir "$work/old" "$work/new"
    for o in $outputs; do
        [ -e "$o" ] && cp "$o" "$work/old/"
    done
    echo .[!.]* * >"$work/before"
    if ! run_once_more_for_wine || [ -s "$work/err" ]; then
        echo "FAIL: $scenario does not run cleanly: $(cat "$work/err")"
        failed=1
        continue
    fi
    for o in $outputs; do
        cp "$o" "$work/new/"
    done
    own_calls >"$work/calls"
    # Windows has no sync of a whole volume: each output moved into place must
    # have been flushed by itself.
    if [ "$windows" = 1 ] && [ "$(grep -c '^FlushFileBuffers' "$work/trace")" != \
        "$(grep -c '^MoveFileExW' "$work/trace")" ]; then
        echo "FAIL: $scenario: an output is moved into place without a flush"
        failed=1
    fi
    cases=0
    held=0
    while read -r call n; do
        for fault in error kill; do
            setup
            run_once_more_for_wine "$fault" "$call" "$n"
            status=$?
            problems=$(check "$fault" "$call" "$status")
            cases=$((cases + 1))
            if [ -z "$problems" ]; then
                held=$((held + 1))
            else
                echo "FAIL: $scenario, $call #$n, $fault: $problems"
            fi
        done
    done <"$work/calls"
    echo "$scenario: $cases cases, $held held"
    tried=$((tried + cases))
    [ "$held" = "$cases" ] || failed=1
done
cd / || exit 1
echo "faults: $tried cases in all"
exit "$failed"
