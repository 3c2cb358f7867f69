#!/bin/sh
# Builds the Windows tree with the `windows` preset into BUILD_DIR and runs its
# tests under wine, in the Windows of WINEPREFIX, made here on the first run.
#
# Usage: windows_tests.sh SOURCE_DIR BUILD_DIR LINUX_CLI
set -e
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Wine makes the prefix's folder, but not the folders above it. No Mono or
  # Gecko: the tests need neither, and their installers would ask.
  mkdir -p "$(dirname "$WINEPREFIX")"
  WINEDLLOVERRIDES='mscoree,mshtml=' wine wineboot --init
  wineserver --wait
  # Wine copies its own DLLs and programs into the new Windows with their debug
  # information (about 480 of its 700 MB); the copies stand in for the originals,
  # which wine loads from its own folder, so they are stripped.
  printf 'Wine builtin DLL' >"$WINEPREFIX/builtin-mark"
  find "$WINEPREFIX/drive_c" -type f -size +64k | while read -r file; do
    if cmp -s -n 16 -i 64:0 "$file" "$WINEPREFIX/builtin-mark"; then
      x86_64-w64-mingw32-strip --strip-debug "$file"
    fi
  done
  echo "wine: made $WINEPREFIX ($(du -sh "$WINEPREFIX" | cut -f 1))"
fi
# Fixedsys, the text area's font, from fonts-wine: wine finds a font only in the
# Windows's own Fonts folder.
fixedsys=/usr/share/wine/fonts/fixedsys.ttf
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f "$fixedsys" ] && [ ! -f "$fonts/fixedsys.ttf" ]; then
  cp "$fixedsys" "$fonts/"
fi
cmake -S "$1" --preset windows -B "$2" -DFLG2SCN_LINUX_CLI="$3" >/dev/null
cmake --build "$2"
ctest --test-dir "$2" --output-on-failure
