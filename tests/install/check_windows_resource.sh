#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the generated Windows resource script and reads the version
# information, icon and manifest back from the compiled resource.
# Usage: check_windows_resource.sh RC_FILE DISPLAY_VERSION
set -euo pipefail
rc=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The host's preprocessor serves: the script includes no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc" -O res -o "$work/evdrive.res"
x86_64-w64-mingw32-windres -i "$work/evdrive.res" -O rc -o "$work/readback.rc"

fail() { echo "$1" >&2; cat "$work/readback.rc" | grep -v '0x.*,' >&2; exit 1; }
grep -q 'FILEVERSION 3, 0, 0, 1' "$work/readback.rc" || fail "FILEVERSION is not 3,0,0,1"
grep -q 'PRODUCTVERSION 3, 0, 0, 1' "$work/readback.rc" || fail "PRODUCTVERSION is not 3,0,0,1"
grep -q 'BLOCK "080404b0"' "$work/readback.rc" || fail "no Chinese (PRC) string block"
grep -q "VALUE \"FileVersion\", \"$version\"" "$work/readback.rc" || fail "FileVersion is not $version"
grep -q "VALUE \"ProductVersion\", \"$version\"" "$work/readback.rc" || fail "ProductVersion is not $version"
grep -q 'VALUE "Translation", 0x804, 1200' "$work/readback.rc" || fail "translation is not Chinese (PRC), Unicode"
grep -q 'RT_GROUP_ICON' "$work/readback.rc" || fail "no icon"
grep -q '^1 24 /\* RT_MANIFEST \*/' "$work/readback.rc" || fail "no application manifest"
echo "version resource: $version, 3,0,0,1, 080404b0"
