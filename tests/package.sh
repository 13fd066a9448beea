#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as a school's technician meets it: built by CPack, passed by lintian,
# unpacked into a temporary root, its desktop entry and store listing valid, and the unpacked
# program answering --version, refusing what it does not know and running under Xvfb.
set -euo pipefail
cpack=$1 build=$2 version=$3 real_run=$4
fail() {
    echo "FAIL: $*"
    exit 1
}
for tool in lintian dpkg-deb desktop-file-validate appstreamcli file Xvfb; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/dev installs it)"
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$tmp/cpack.log")"
deb=$(echo "$tmp"/tessarine_"$version"_*.deb)
lintian --fail-on error,warning "$deb" || fail "lintian objects to the package"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *fonts-liberation2* ]] ||
    fail "the package does not pull in Qt Widgets and the fonts: $depends"

dpkg-deb -x "$deb" "$tmp/root"
desktop=$tmp/root/usr/share/applications/tessarine.desktop
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$tmp"/root/usr/share/metainfo/*.metainfo.xml ||
    fail "the store listing is not valid"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 32 48 64 128 256; do
    file "$tmp/root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" |
        grep -q "PNG image data, $size x $size" || fail "no $size-pixel icon named $icon"
done

# The program the menu starts.
program=$tmp/root/usr/bin/$(sed -n 's/^Exec=//p' "$desktop")
out=$("$program" --version) && [ "$out" = "Tessarine $version" ] || fail "--version: $out"
"$program" --help | grep -q -- '--version' || fail "--help does not list --version"
# Bad input: one line naming it and status 2, before any window (there is no display to open one).
for bad in --colour level1; do
    status=0
    message=$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$program" "$bad" 2>&1) || status=$?
    [[ $status == 2 && $message != *$'\n'* && $message == *"'${bad#--}'"* ]] ||
        fail "'$bad' gave status $status and: $message"
done
bash "$real_run" "$program"
