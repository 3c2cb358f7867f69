#!/usr/bin/env bash
# Installs into a temporary prefix and builds the .deb, and checks what both hold.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=org.flg2scn.flg2scn
expected="bin/flg2scn
bin/flg2scn-cli
share/applications/$id.desktop
share/doc/flg2scn/changelog.gz
share/doc/flg2scn/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/flg2scn-cli.1.gz
share/man/man1/flg2scn.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml"
fail() { echo "FAIL: $*"; exit 1; }

# The install tree.
cmake --install "$build" --prefix "$work/prefix" >/dev/null
installed=$(cd "$work/prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(echo "$expected" | LC_ALL=C sort)" ] || fail "installed files differ:
$installed"
desktop-file-validate "$work/prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$id.metainfo.xml" ||
  fail "AppStream metadata"
# The MIME definitions compile, and claim the two extensions.
cp -r "$work/prefix/share/mime" "$work/mime"
update-mime-database "$work/mime"
grep -q 'text/x-flg2scn-flag:\*\.flg' "$work/mime/globs2" || fail "no glob for *.flg"
grep -q 'text/x-flg2scn-scenario:\*\.scn' "$work/mime/globs2" || fail "no glob for *.scn"
zcat "$work/prefix/share/man/man1/flg2scn-cli.1.gz" | grep -q '^\.TH FLG2SCN-CLI 1' ||
  fail "manual page"

# The package.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/flg2scn_*_amd64.deb 2>/dev/null || ls "$work"/deb/flg2scn_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort)
[ "$contents" = "$(echo "$expected" | LC_ALL=C sort)" ] || fail "package contents differ:
$contents"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6svg6 libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends," == *", $library "* ]] || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = flg2scn ] || fail "package name"
# No error or warning; information about the binaries' .comment section may stay.
tags=$(lintian --pedantic --info "$deb" 2>/dev/null | grep -v 'binary-has-unneeded-section .comment' || true)
[ -z "$tags" ] || fail "lintian:
$tags"
echo "install tree and package hold the expected files; Depends: $depends"
