#!/bin/sh
# Times the window's steps (load, moves, typing, scrolling, select all, copy,
# convert, undo, save) over a 1 MB and a 5 MB flag file with LF line ends (one
# line each, by the flag file rules) and a 60 MB flag file of ordinary CR LF
# lines; prints each file's figures and peak memory, with the window at its start
# size and at 1900x1000.
# Runs the window under Xvfb when xvfb-run is there, else on Qt's offscreen
# platform.
#
#   bench/window_bench.sh build/bench/flg2scn-window-bench [FOLDER]
set -eu
bench=$1
folder=${2:-${TMPDIR:-/tmp}/flg2scn-window-bench}
mkdir -p "$folder"

# flag_file SIZE EOL: a header, a flag line, notes up to SIZE bytes, the other flag.
flag_file() {
    awk -v size="$1" -v eol="$2" 'BEGIN {
        printf "#Harbour%s<100 200 40>%s", eol, eol
        n = 24
        for (i = 0; n < size - 20; i++) {
            line = "notes: the blue flag sits on the pier by the crates, " i
            printf "%s%s", line, eol
            n += length(line) + length(eol)
        }
        printf "<1024 512 96>%s", eol
    }'
}
[ -f "$folder/lf-1MB.flg" ] || flag_file 1000000 '\n' > "$folder/lf-1MB.flg"
[ -f "$folder/lf-5MB.flg" ] || flag_file 5000000 '\n' > "$folder/lf-5MB.flg"
[ -f "$folder/crlf-60MB.flg" ] || flag_file 60000000 '\r\n' > "$folder/crlf-60MB.flg"

for file in lf-1MB lf-5MB crlf-60MB; do
    for size in "" 1900x1000; do
        echo "== $file.flg ${size:-start size}"
        if command -v xvfb-run >/dev/null; then
            xvfb-run -a -s "-screen 0 1920x1080x24" "$bench" "$folder/$file.flg" $size
        else
            QT_QPA_PLATFORM=offscreen "$bench" "$folder/$file.flg" $size
        fi
    done
done
