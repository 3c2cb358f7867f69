#!/bin/sh
# flg2scn-cli.exe under wine against the Linux build on the same inputs: the
# same standard output, standard error (but for the system's words for a
# reason), exit status and written files; and what is Windows's own: /? and
# names that differ in letter case alone.
#
# Usage: same_as_linux.sh WINDOWS_EXE LINUX_CLI
set -u
windows=$1
linux=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-same.XXXXXX")
trap 'rm -rf "$work"' EXIT

flags() { printf '%s\r\n' "$@"; }
setup() {
    rm -rf "$work/$1" && mkdir -p "$work/$1/folder" && cd "$work/$1" || exit 1
    flags '#Harbour' '<100 200 40>' '<1024 512 96>' >harbour.flg
    flags 'x' >no-header.flg
    flags '#H' '<1 2 3>' >one-flag.flg
    flags '#H' '<1>' '<1 2 3>' >malformed.flg
    printf '#LF\n<1 2 3>\n<4 5 6>\n' >lf.flg
    printf '#\351t\351 \200\r<-1.5e3 2 3>\r\n<4 5 &H10>' >high.flg
    : >empty.flg
    # An old output to replace; a read-only one differs on purpose (root may
    # write it on Linux, nobody on Windows).
    flags '#Old' >old.scn
    cp harbour.flg old.flg
    # What another run's write holds: *.flg must not take it (on Windows, by the
    # short form of its name, which ends in .FLG).
    flags '#Hidden' >.old.scn.flg2scn
}

failed=0
# Each case is the arguments and the standard input.
while IFS='|' read -r args input; do
    for side in windows linux; do
        setup "$side"
        if [ "$side" = windows ]; then
            # Wildcards reach the program as they are, as cmd leaves them.
            set -f
            printf '%s' "$input" | wine "$windows" $args >out 2>err
            echo $? >status
            set +f
        else
            printf '%s' "$input" | "$linux" $args >out 2>err
            echo $? >status
            # Windows tells a reason in its own words (here wine's).
            sed -i 's/: No such file or directory$/: File not found/' err
        fi
    done
    if ! diff -r "$work/windows" "$work/linux" >/dev/null; then
        echo "differs: flg2scn-cli $args"
        diff -r "$work/windows" "$work/linux"
        failed=1
    fi
done <<'CASES'
harbour.flg|
harbour.flg no-header.flg one-flag.flg malformed.flg lf.flg high.flg empty.flg|
*.flg|
-- ./o?e*.flg nothing*.flg|
missing.flg folder|
-o - harbour.flg|
-|#Piped
-o named.scn -|#Piped
old.flg|
-o folder harbour.flg|
-o harbour.flg harbour.flg|
--version|
-v|
--help|
|
-o|
--frobnicate harbour.flg|
CASES
# /? is how Windows programs are asked for help: the same as --help.
setup windows
if [ "$(wine "$windows" '/?' 2>&1; echo $?)" != "$("$linux" --help 2>&1; echo $?)" ]; then
    echo "differs: flg2scn-cli.exe /? and flg2scn-cli --help"
    failed=1
fi
# Names that differ in letter case alone are one file: A.scn and a.scn.
setup windows
cp harbour.flg A.flg
cp harbour.flg a
if [ "$(wine "$windows" A.flg a 2>&1)" != "flg2scn-cli: a: a.scn is the output of A.flg already" ]; then
    echo "differs: A.scn and a.scn as two files"
    failed=1
fi
exit $failed
