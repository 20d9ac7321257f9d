#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary DESTDIR and checks that every file lands where the
# desktops look for it (menus, icon theme, software centres), under one
# application id.
# Usage: check_destdir.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

expect() {
    [ -f "$root/usr/$1" ] || { echo "missing: /usr/$1" >&2; exit 1; }
}
expect bin/evdrive
expect bin/evdrive-batch
expect "share/applications/$id.desktop"
expect "share/metainfo/$id.metainfo.xml"
for size in 48 64 128; do
    expect "share/icons/hicolor/${size}x$size/apps/$id.png"
done
expect "share/icons/hicolor/scalable/apps/$id.svg"
expect share/man/man1/evdrive.1.gz
expect share/man/zh_CN/man1/evdrive.1.gz
expect share/man/man1/evdrive-batch.1.gz
expect share/man/zh_CN/man1/evdrive-batch.1.gz
expect share/doc/evdrive/changelog.gz
expect share/doc/evdrive/copyright

for program in evdrive evdrive-batch; do
    [ -x "$root/usr/bin/$program" ] || { echo "bin/$program is not executable" >&2; exit 1; }
done
# Each icon of its size, with an alpha channel: the drawing on no background.
for size in 48 64 128; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" |
        grep -q "$size x $size, 8-bit/color RGBA" ||
        { echo "the hicolor ${size}x$size icon is not $size x $size pixels with alpha" >&2; exit 1; }
done
# The entry, the component and the icon must name each other.
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" ||
    { echo "the desktop entry does not name the icon $id" >&2; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/usr/share/metainfo/$id.metainfo.xml" ||
    { echo "the metainfo does not launch $id.desktop" >&2; exit 1; }

# Nothing else is installed.
count=$(find "$root" -type f | wc -l)
[ "$count" -eq 14 ] || { echo "expected 14 installed files, found $count:" >&2; find "$root" -type f >&2; exit 1; }
echo "installed: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
