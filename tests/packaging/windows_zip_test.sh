#!/usr/bin/env bash
# The Windows zip: one folder, flg2scn-VERSION, holding the window and
# flg2scn-cli, each importing only DLLs that Windows ships, with the icon and version information (and the window its
# manifest, as a GUI program); the text files with CR LF line ends.
#   windows_zip_test.sh ZIP
set -euo pipefail
zip=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cd "$work"
cmake -E tar xf "$zip"
folder=$(basename "$zip" -win64.zip)
[ "$(ls)" = "$folder" ] || fail "the zip's top holds: $(ls | tr '\n' ' ')"
cd "$folder"
[ "$(ls | sort | tr '\n' ' ')" = "README.txt copyright.txt flg2scn-cli.exe flg2scn.exe " ] ||
    fail "the zip's folder holds: $(ls | tr '\n' ' ')"
for text in README.txt copyright.txt; do
    ! grep -q $'[^\r]$' "$text" && ! grep -q '^$' "$text" || fail "$text has a line without CR LF"
done
for exe in flg2scn.exe flg2scn-cli.exe; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
    for dll in $dlls; do
        case $dll in
        advapi32.dll | comctl32.dll | comdlg32.dll | gdi32.dll | imm32.dll | kernel32.dll | \
            msvcrt.dll | shell32.dll | user32.dll) ;;
        *) fail "$exe imports $dll" ;;
        esac
    done
    resources=$(x86_64-w64-mingw32-windres -i "$exe" -J coff -O rc)
    grep -q 'VALUE "OriginalFilename", "'"$exe"'"' <<<"$resources" || fail "$exe: no version"
    grep -q 'Type: group icon' <<<"$resources" || fail "$exe: no icon"
done
grep -q 'RT_MANIFEST' <<<"$(x86_64-w64-mingw32-windres -i flg2scn.exe -J coff -O rc)" ||
    fail "flg2scn.exe: no manifest"
# Read whole: grep -q would end the pipe early, and pipefail take objdump's SIGPIPE.
headers=$(x86_64-w64-mingw32-objdump -p flg2scn.exe)
grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" ||
    fail "flg2scn.exe is not a GUI program"
echo "the zip holds one folder with both programs, alone, with their resources, and CR LF texts"
