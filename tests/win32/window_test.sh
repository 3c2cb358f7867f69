#!/bin/sh
# flg2scn.exe under wine on a virtual display of its own, driven by keys as a
# user drives it: a typed flag text converts and Save writes its scenario
# through the real dialog, byte for byte what flg2scn-cli writes, Ctrl+C copies
# it to X's clipboard, Ctrl+Z takes the Convert back and Ctrl+X cuts; the About
# box shows; a text with a single flag is told, and the text stays; a file too
# large to load is told and the text kept, and one that loads is saved again as
# its lines, a NUL among them; a text as loaded or saved closes at once; a file
# given at start loads and shows its start, Ctrl+End and Page Down scroll the
# view, and once changed, closing asks: Cancel keeps the window, No closes it;
# two files dropped are told; a symbol pasted stays itself.
# Then flg2scn-cli.exe in a console of its own, as Explorer starts it for a
# drop or a double-click (OWN_CONSOLE_PROBE): it lists what it did, or says how
# to use it, and waits for a key before the console closes. Last, the boxes and
# dialogs leave a busy cursor busy (MODAL_CURSOR_PROBE).
# It waits by polling for windows and files, never for a fixed time.
#
# Usage: window_test.sh FLG2SCN_EXE LINUX_CLI CLI_EXE MODAL_CURSOR_PROBE
#                       OWN_CONSOLE_PROBE DROP_PROBE   (in the wine of WINEPREFIX)
set -u
exe=$1
linux=$2
cli=$3
probe=$4
console_probe=$5
drop_probe=$6
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-win32.XXXXXX")
. "$(dirname "$0")/own_display.sh"
# The Windows name of a file here, on wine's drive Z:.
# shellcheck disable=SC1003 # one backslash
windows_name() { printf 'Z:%s' "$work/$1" | tr / '\\'; }
# Types the Windows name of a file here and Enter, and waits for the dialog to go.
answer() {
    xdotool type "$(windows_name "$1")"
    xdotool key Return
    closes "$2"
}
# start [FILE]: starts the program and waits for its window.
start() {
    wine "$exe" "$@" >/dev/null 2>&1 &
    program=$!
    main_window || fail "no window"
}
ended() { poll 400 sh -c "! kill -0 $program" || fail "the window stays"; }
# told WHAT: waits for an Error box, or fails with WHAT, and closes it by Enter.
told() {
    poll 400 xdotool search --name '^Error$' || fail "$1"
    xdotool key Return
    closes Error
}

printf '#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n' >a.flg
"$linux" -o expected.scn a.flg
printf '#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n\r\n' >loaded.scn
truncate -s 65M huge.flg

# A typed text converts, and Save writes its scenario.
start
xdotool type '#Harbour'
xdotool key Return
xdotool type '<100 200 40>'
xdotool key Return
xdotool type '<1024 512 96>'
xdotool key Return alt+c
press ctrl+s 'Save As'
answer b.scn 'Save As'
poll 400 cmp -s b.scn expected.scn || fail "b.scn is not the scenario"
# What Ctrl+A and Ctrl+C copy reaches X's clipboard (wine gives it LF line ends).
copied() {
    [ "$(timeout 5 xclip -o -selection clipboard | tr -d '\r')" = "$(tr -d '\r' <expected.scn)" ]
}
focus_main
xdotool key ctrl+a ctrl+c
poll 100 copied || fail "the clipboard does not hold the scenario"
# Ctrl+Z takes the Convert back.
focus_main
xdotool key ctrl+z
press ctrl+s 'Save As'
answer typed.scn 'Save As'
poll 400 cmp -s typed.scn loaded.scn || fail "Ctrl+Z did not bring the typed text back"
# Ctrl+X takes the selection away: the first line cut and pasted at the end.
focus_main
xdotool key ctrl+Home shift+End ctrl+x ctrl+End ctrl+v
press ctrl+s 'Save As'
answer cut.scn 'Save As'
printf '\r\n<100 200 40>\r\n<1024 512 96>\r\n#Harbour\r\n' >cut.expected
poll 400 cmp -s cut.scn cut.expected || fail "Ctrl+X did not move the line: $(od -c cut.scn)"
# A text with a single flag is told in a box; the text stays, with the line
# break that Convert adds.
focus_main
xdotool key ctrl+a
xdotool type '#H'
xdotool key Return
xdotool type '<1 2 3>'
press alt+c Error
xdotool key Return
closes Error
focus_main
press ctrl+s 'Save As'
answer problem.scn 'Save As'
# Save ends the text with a line break, as it does every text.
printf '#H\r\n<1 2 3>\r\n\r\n' >problem.expected
poll 400 cmp -s problem.scn problem.expected || fail "a text with one flag did not stay"
# A file that cannot be read is told; one that can is loaded, and saved again.
press ctrl+o Open
answer huge.flg Open
told "no message for huge.flg"
press ctrl+s 'Save As'
answer kept.scn 'Save As'
poll 400 cmp -s kept.scn problem.expected || fail "a failed Load did not keep the text"
# A NUL shows as a symbol and is saved as the NUL it stands for.
printf '#Har\0bour\r\n' >zero.flg
printf '#Har\0bour\r\n\r\n' >zero.expected
press ctrl+o Open
answer zero.flg Open
press ctrl+s 'Save As'
answer c.scn 'Save As'
poll 400 cmp -s c.scn zero.expected || fail "c.scn is not zero.flg's lines"
# A lone LF shows as its symbol, not as a line break: End on the first line
# goes past it.
printf '#A\nB\r\n' >lf.flg
printf '#A\nBx\r\n\r\n' >lf.expected
press ctrl+o Open
answer lf.flg Open
focus_main
xdotool key ctrl+Home End
xdotool type x
press ctrl+s 'Save As'
answer lf.scn 'Save As'
poll 400 cmp -s lf.scn lf.expected || fail "a lone LF does not show as a symbol: $(od -c lf.scn)"
# A symbol pasted stays the character it is, which Save refuses as outside the
# code page (a control's symbol would have been saved as the control).
printf '#A\342\220\212B\n<1 2 3>\n<4 5 6>\n' | xclip -i -selection clipboard
focus_main
xdotool key ctrl+a ctrl+v
press ctrl+s 'Save As'
answer symbol.scn 'Save As'
told "a pasted symbol was not refused"
[ ! -e symbol.scn ] || fail "a pasted symbol was saved: $(od -c symbol.scn | head -n 2)"
# Ctrl+Z takes the paste back.
focus_main
xdotool key ctrl+z
press ctrl+s 'Save As'
answer unpasted.scn 'Save As'
poll 400 cmp -s unpasted.scn lf.expected || fail "Ctrl+Z did not take the paste back"
# A text as loaded or saved closes without a question.
xdotool windowfocus --sync "$main"
xdotool key alt+F4
ended

# A file given at start loads, and shows its start: a click in the window (see
# focus_main) puts the caret on a line in sight, which is one of the first of a
# long file. Once changed, closing (by Alt+F4 or Exit's Ctrl+Q) asks: Cancel
# keeps the window, No (discard) closes it.
seq 200 | sed 's/^/#L/; s/$/\r/' >tall.flg
start "$(windows_name tall.flg)"
# typed_after KEYS CHAR FILE: presses KEYS, clicks in the text, types CHAR and
# saves the text as FILE; prints the line that CHAR went to. Its caller takes
# that line, so what the steps tell goes to standard error.
typed_after() {
    {
        [ -z "$1" ] || xdotool key $1
        focus_main
        xdotool type "$2"
        press ctrl+s 'Save As'
        answer "$3" 'Save As'
    } >&2
    poll 400 test -s "$3" && awk "/$2/ { print NR; exit }" "$3"
}
clicked_at=$(typed_after '' x started.scn)
[ "${clicked_at:-200}" -lt 40 ] ||
    fail "a loaded file does not show its start: x typed on line ${clicked_at:-none}"
# Ctrl+End shows the end: a click then puts the caret on one of the last lines,
# and a click selects nothing, so what is typed there takes no line away.
typed_at=$(typed_after ctrl+End y ended.scn)
[ "${typed_at:-0}" -gt 100 ] && [ "$(grep -c '^#L' ended.scn)" = 200 ] ||
    fail "Ctrl+End and a click: y typed on line ${typed_at:-none} of $(wc -l <ended.scn)"
# Page Down scrolls by the rows that the caret moves: the same click lands lower.
typed_at=$(typed_after 'ctrl+Home Page_Down' z paged.scn)
[ "${typed_at:-0}" -gt "$((${clicked_at:-200} + 1))" ] ||
    fail "Page Down: z typed on line ${typed_at:-none}, a click at the start on $clicked_at"
xdotool type x
press alt+F4 Exit
xdotool key Escape
closes Exit
kill -0 "$program" 2>/dev/null || fail "Cancel closed the window"
press ctrl+q Exit
xdotool key n
ended

# Two files dropped on the window are told, and neither loads.
wine "$drop_probe" "$(windows_name a.flg)" "$(windows_name zero.flg)" >/dev/null 2>&1 &
program=$!
told "a drop of two files is not told"
main=$(xdotool search --name "^Tovrin's Flag to Scenario Converter\$" | head -n 1)
xdotool windowfocus --sync "$main"
xdotool key alt+F4
ended

# flg2scn-cli.exe in a console of its own: a drop of files (a wildcard, which
# takes files only) lists each file converted and each failed, then the count;
# a double-click says how to use it. Each waits for a key.
mkdir -p dropped/dir.flg
cp a.flg dropped/
printf 'x\r\n' >dropped/bad.flg
cr=$(printf '\r')
console() { (cd dropped && timeout 120 wine "$console_probe" "$cli" "$@" | tr -d "$cr"); }
[ "$(console '*.flg')" = "flg2scn-cli: a.flg: converted into a.scn
flg2scn-cli: bad.flg: No # header.
flg2scn-cli: 1 of 2 files converted.
Press any key to close this window.

exit status 1" ] || fail "a drop's console: $(console '*.flg')"
cmp -s dropped/a.scn expected.scn || fail "a dropped a.flg gave no a.scn"
console | grep -q "drop one or more .flg files on the icon" || fail "a double-click's console: $(console)"
timeout 60 wine "$probe" || fail "a box or dialog took the busy cursor away"

[ "$failed" = 0 ] && echo "the window converts, loads, saves and asks as it should; a console waits"
exit "$failed"
