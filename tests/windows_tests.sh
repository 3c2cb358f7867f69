#!/bin/sh
# Builds the Windows tree with the `windows` preset into BUILD_DIR and runs its
# tests under wine.
#
# Usage: windows_tests.sh SOURCE_DIR BUILD_DIR LINUX_CLI
set -e
cmake -S "$1" --preset windows -B "$2" -DFLG2SCN_LINUX_CLI="$3" >/dev/null
cmake --build "$2"
ctest --test-dir "$2" --output-on-failure
