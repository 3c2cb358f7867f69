#!/bin/sh
# What makes a batch's outputs durable, as the system calls show it: a file by
# itself is synced alone, a group by one sync of its file system; every sync
# comes before the names are given, and each folder is synced once after them.
# In the traces below "N" stands for the calls that give names (one or more).
# A group holds a quarter of the open-file limit, so that a long batch with few
# descriptors to spare goes on. A folder whose sync fails is
# made durable by a sync of its file system, and where that fails too, its
# outputs are failures. The window's Save, given its probe, syncs as a file
# by itself does.
#
# Usage: syncs_test.sh FLG2SCN_CLI [FILE_COMMANDS_PROBE]
set -u
cli=$1
probe=${2:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-syncs.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir a b g
for f in one.flg a/x.flg a/y.flg a/z.flg b/w.flg g/0.flg g/1.flg g/2.flg g/3.flg g/4.flg \
    g/5.flg g/6.flg g/7.flg g/8.flg g/9.flg g/10.flg g/11.flg; do
    printf '#Harbour\r\n<1 2 3>\r\n<4 5 6>\r\n' >"$f"
done
printf 'old' >a/y.scn

# LeakSanitizer cannot work under a tracer.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS

failed=0
# The sync and name calls of a trace, the names given in a row as one N.
calls() {
    sed -E 's/^[0-9]+ +//; s/\(.*//; s/^(linkat|rename|renameat|renameat2)$/N/' trace |
        awk '$0 != "N" || last != "N" { printf "%s%s", sep, $0; sep = " " } { last = $0 }'
}
syncs='fsync,fdatasync,syncfs,sync,linkat,rename,renameat,renameat2'
# Each case: the open-file limit, the files, then the sync and name calls in
# the order made.
while IFS='|' read -r limit files expected; do
    # shellcheck disable=SC2086,SC3045 # dash's ulimit has -n
    if ! (ulimit -n "$limit" && exec strace -f -qq -e signal=none -o trace \
        -e trace=$syncs "$cli" $files) 2>err; then
        echo "FAIL: $files: $(cat err)"
        failed=1
        continue
    fi
    if [ "$(calls)" != "$expected" ]; then
        echo "FAIL: $files: '$(calls)', not '$expected'"
        failed=1
    fi
done <<'EOF'
1024|one.flg|fsync N fsync
1024|a/x.flg a/y.flg a/z.flg|syncfs N fsync
1024|a/x.flg b/w.flg a/z.flg|syncfs N fsync fsync
20|g/*.flg|syncfs N fsync syncfs N fsync syncfs N fsync
EOF

# Each case: the calls to fail, the exit status and what is told.
while IFS='|' read -r inject status told; do
    # shellcheck disable=SC2086
    strace -qq -o /dev/null $inject "$cli" -o out.scn one.flg 2>err
    got=$?
    if [ "$got" != "$status" ] || [ "$(cat err)" != "$told" ]; then
        echo "FAIL: $inject: exit $got, '$(cat err)'"
        failed=1
    fi
done <<'EOF'
-e inject=fsync:error=EIO:when=2|0|
-e inject=fsync:error=EIO:when=2 -e inject=syncfs:error=EIO|1|flg2scn-cli: one.flg: cannot write out.scn: Input/output error
EOF
if [ -n "$probe" ]; then
    strace -f -qq -e signal=none -o trace -e trace=$syncs "$probe" one.flg saved.scn >/dev/null
    [ "$(calls)" = "fsync N fsync" ] || { echo "FAIL: the window's Save: '$(calls)'"; failed=1; }
fi
[ "$failed" = 0 ] && echo "syncs as expected"
exit "$failed"
