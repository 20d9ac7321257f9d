#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks its control fields and file list, and has
# lintian judge it as a distribution would: any error or warning fails.
# Usage: check_deb.sh BUILD_DIR APP_ID VERSION CONTACT
set -euo pipefail
build=$1 id=$2 version=$3 contact=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(find "$work" -maxdepth 1 -name '*.deb')
[ -n "$deb" ] || { echo "cpack made no .deb" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
fail() { echo "$1" >&2; exit 1; }
[ "$(field Package)" = evdrive ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[[ "$(field Maintainer)" == *"<$contact>"* ]] || fail "Maintainer is $(field Maintainer)"
depends=$(field Depends)
for package in libqt6widgets6 libstdc++6 fonts-arphic-uming qt6-translations-l10n; do
    [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
# A CMake list in the description shows up as a ";" opening each line.
! grep -q '^ ;' <<<"$(field Description)" || fail "the description is a joined list: $(field Description)"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/evdrive ./usr/bin/evdrive-batch "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
    "./usr/share/icons/hicolor/64x64/apps/$id.png" "./usr/share/icons/hicolor/128x128/apps/$id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg"; do
    grep -qx "$path" <<<"$files" || fail "the package lacks $path"
done

# The newest changelog entry is this release's.
changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/evdrive/changelog.gz | zcat |
    dpkg-parsechangelog -l - -S Version)
[ "$changelog" = "$version" ] || fail "the newest changelog entry is for $changelog"

lintian --fail-on error,warning "$deb"
echo "$(basename "$deb"): Depends: $depends; lintian: no error or warning"
