#!/bin/sh
# Many small files in one call: flg2scn-cli against `cp` of the same files and
# one `sync`, the floor for writing them durably. Then the peak memory of files
# made of lines that Convert does not read, or of one long line it does.
#
# Usage: bench/batch_vs_copy.sh FLG2SCN_CLI [FILES] [ROUNDS]
set -eu

cli=$(realpath "$1")
files=${2:-10000}
rounds=${3:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir "$work/in"
i=0
while [ "$i" -lt "$files" ]; do
    printf '#Harbour %d\r\n<100 200 40>\r\n<1024 512 96>\r\n' "$i" >"$work/in/f$i.flg"
    i=$((i + 1))
done

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Each round times the three side by side, so that a busy machine slows all. All
# write into folders made for the round: ext4 is slow to place new files among
# many that were just deleted, which would weigh on whichever came second.
echo "round  cli-new  cli-over-old  cp+sync  (ms; $files files)"
round=1
while [ "$round" -le "$rounds" ]; do
    cp -r "$work/in" "$work/round"
    mkdir "$work/copy"
    sync
    start=$(now_ms)
    (cd "$work/round" && "$cli" ./*.flg)
    new=$(($(now_ms) - start))
    sync
    start=$(now_ms)
    (cd "$work/round" && "$cli" ./*.flg)
    over=$(($(now_ms) - start))
    sync
    start=$(now_ms)
    (cd "$work/in" && cp ./*.flg "$work/copy/" && sync)
    copy=$(($(now_ms) - start))
    echo "$round  $new  $over  $copy"
    rm -rf "$work/round" "$work/copy"
    round=$((round + 1))
done

# Peak resident memory (GNU time's %M, KiB) for 200 MB in one remark line and
# for 100 MB with LF line ends, which is one header line.
python3 - "$work" <<'EOF'
import sys
work = sys.argv[1]
with open(work + "/remark.flg", "wb") as f:
    f.write(b"x" * 200_000_000 + b"\r\n#H\r\n<1 2 3>\r\n<4 5 6>\r\n")
with open(work + "/lf.flg", "wb") as f:
    f.write(b"#Harbour\n" + b"<1 2 3>\n" * 12_500_000)
EOF
for name in remark lf; do
    /usr/bin/time -f "$name.flg: %e s, peak %M KiB" "$cli" -o /dev/null "$work/$name.flg" 2>&1 |
        grep peak
done
