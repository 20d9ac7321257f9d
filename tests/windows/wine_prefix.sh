#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a Wine prefix for the Windows build's tests, unless it is there. It
# claims Windows 10 version 1903, which the programs' UTF-8 code page needs
# (Debian's Wine claims Windows 7), and draws SimSun (宋体), the face the
# windows ask for, with the Song face the Linux build uses, so that the
# windows look as on a Chinese Windows. Wine's installers of .NET and the HTML
# engine, which ask on a display, stay out, and so do the entries Wine would
# make in the Linux desktop's menus for the Start menu's shortcuts.
#
# With a DESKTOP size, the prefix's windows open on a Wine desktop of that size
# within one X window, as on Windows, rather than each in an X window of its
# own: without a window manager Wine waits two seconds for each of those it
# hides, which adds up to minutes over the widget tests.
# Usage: wine_prefix.sh PREFIX [DESKTOP]
set -euo pipefail
prefix=$1
desktop=${2:-}

# A prefix made by another version of this script is made anew.
stamp="$prefix/.evdrive-prefix"
version="$(sha256sum "${BASH_SOURCE[0]}" | cut -d' ' -f1) $desktop"
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ] && exit 0
if [ -d "$prefix" ] && [ -n "$(ls -A "$prefix")" ] && [ ! -f "$prefix/system.reg" ]; then
    echo "wine_prefix.sh: $prefix is no Wine prefix; not touching it" >&2
    exit 1
fi

export WINEPREFIX=$prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
wineserver -k 2>/dev/null || true
rm -rf "$prefix"
mkdir -p "$prefix"
wineboot --init >/dev/null 2>&1
wine winecfg -v win10 >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d "" /f \
    >/dev/null 2>&1
for face in SimSun 宋体; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d "AR PL UMing CN" /f >/dev/null 2>&1
done
if [ -n "$desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$desktop" /f \
        >/dev/null 2>&1
fi
# The registry is written when the prefix's server ends.
wineserver -w
[ -f "$prefix/system.reg" ] && grep -q 'AR PL UMing CN' "$prefix/user.reg" ||
    { echo "wine_prefix.sh: no Wine prefix made in $prefix" >&2; exit 1; }
echo "$version" >"$stamp"
