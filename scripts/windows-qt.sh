#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the static Qt that the Windows build of evdrive links against: Debian's
# own Qt source, cross-compiled with MinGW-w64 and Debian's Qt as host tools.
# No Qt for MinGW is packaged, and a static one lets evdrive.exe run without
# any Qt DLLs beside it.
#
# The build takes about twenty minutes on two cores, so it goes into a cache
# outside the work tree (EVDRIVE_WINDOWS_CACHE, by default
# ~/.cache/evdrive-windows) and is kept there until the Qt version, the
# configure options or cmake/mingw-w64-x86_64.cmake change. Prints the Qt
# prefix as the last line of its standard output:
#
#     qt_prefix=$(scripts/windows-qt.sh | tail -1)
#
# Everything else goes to standard error, and the configure and build output to
# windows-qt.log in the cache.

set -euo pipefail

evdrive_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
toolchain_file="$evdrive_root/cmake/mingw-w64-x86_64.cmake"
cache=${EVDRIVE_WINDOWS_CACHE:-$HOME/.cache/evdrive-windows}

# Compiler, source fetching and the build tools; the host Qt runs moc, rcc and
# uic for the cross build, so its version must be the one of the source.
packages=(g++-mingw-w64-x86-64-posix dpkg-dev xz-utils cmake ninja-build
          qt6-base-dev qt6-base-dev-tools)

# Core, Gui, Widgets and Test with the Windows platform plugin and the native
# style; everything evdrive does not use is off to keep the build short and
# the program small. Changing this list rebuilds Qt.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DFEATURE_optimize_size=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    # pkg-config would hand out the machine's Linux libraries.
    -DFEATURE_pkg_config=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_androiddeployqt=OFF
    # Switching the feature off alone leaves dynamic OpenGL on, which the
    # Windows plugin then fails to compile.
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF
    # Direct2D itself stays: without it QtGui leaves out the DirectWrite font
    # engine that the Windows plugin's font database refers to, and evdrive.exe
    # fails to link. Only the Direct2D platform plugin, which nothing loads, is
    # left out.
    -DFEATURE_direct2d1_1=OFF
    # Debian's repack of the source drops the Wintab headers that tablet
    # support needs.
    -DFEATURE_tabletevent=OFF
    # Windows draws text through GDI and DirectWrite.
    -DFEATURE_freetype=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    # MinGW has none of these, and the copies in the source are the ones meant
    # for a static build.
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
)

script=windows-qt
source "$evdrive_root/scripts/windows-common.sh"

mkdir -p "$cache"
# Qt's install prefix has to be absolute.
cache=$(cd "$cache" && pwd)
log="$cache/windows-qt.log"

# Runs a command with its output in the log; on failure shows the log's end.
# The log is started anew by the first command of a run, so that a run with
# nothing to do keeps the log of the last build.
log_started=false
start_log() {
    if ! $log_started; then
        : >"$log"
        log_started=true
    fi
}

logged() {
    start_log
    echo "+ $*" >>"$log"
    if ! "$@" >>"$log" 2>&1; then
        note "failed: $*"
        tail -n 40 "$log" >&2
        fail "see $log"
    fi
}

install_missing_packages() {
    local missing
    mapfile -t missing < <(missing_packages "${packages[@]}")
    [ ${#missing[@]} -eq 0 ] && return 0
    note "installing ${missing[*]}"
    logged "${sudo[@]}" apt-get update
    logged "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# apt-get source needs deb-src entries; they are made from the machine's own
# deb entries, so that the source comes from the archive the host Qt came from.
source_is_listed() {
    apt-cache showsrc qt6-base 2>/dev/null | grep -qxF "Version: $qt_version"
}

add_source_entries() {
    source_is_listed && return 0
    local list=/etc/apt/sources.list.d/debian.sources
    local source_list=/etc/apt/sources.list.d/evdrive-src.sources
    if [ -f "$list" ]; then
        sed -e 's/^Types:.*/Types: deb-src/' "$list" | "${sudo[@]}" tee "$source_list" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        source_list=/etc/apt/sources.list.d/evdrive-src.list
        sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list | "${sudo[@]}" tee "$source_list" >/dev/null
    else
        fail "no apt sources to derive deb-src entries from"
    fi
    note "added $source_list"
    logged "${sudo[@]}" apt-get update
    source_is_listed ||
        fail "the archive has no source of qt6-base $qt_version: bring the host Qt up to date (apt-get upgrade)"
}

install_missing_packages
[ -f "$toolchain_file" ] || fail "missing $toolchain_file"

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
tools_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
[ "$qt_version" = "$tools_version" ] ||
    fail "qt6-base-dev $qt_version and qt6-base-dev-tools $tools_version differ"

# The stamp names everything the build depends on; its hash names the prefix,
# so that builds of other options (another branch's) can stay side by side.
stamp_text=$(
    echo "qt6-base $qt_version"
    printf '%s\n' "${qt_options[@]}"
    echo "--- $(basename "$toolchain_file")"
    cat "$toolchain_file"
)
hash=$(printf '%s\n' "$stamp_text" | sha256sum | cut -c1-12)
# Only characters that no CMake regular expression or shell trips over.
prefix="$cache/qt-${qt_version//[^A-Za-z0-9.-]/_}-$hash"
stamp="$prefix/.evdrive-qt-stamp"

# Two builds of the same Qt at once would write into each other.
exec 9>"$cache/.lock"
flock 9

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
    note "up to date"
    echo "$prefix"
    exit 0
fi

add_source_entries

work="$cache/work-$hash"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
# Qt's installed toolchain file loads this one from where it was configured,
# so it has to stay beside Qt rather than in a work tree that may move.
cp "$toolchain_file" "$prefix/"

started=$(date +%s)
note "building Qt $qt_version into $prefix (about twenty minutes on two cores; log: $log)"
start_log
(cd "$work" && logged apt-get source --download-only "qt6-base=$qt_version")
logged dpkg-source -x "$work"/qt6-base_*.dsc "$work/src"
logged cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/$(basename "$toolchain_file")" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${qt_options[@]}"
logged cmake --build "$work/build" --parallel "$(nproc)"
logged cmake --install "$work/build"
# Last, so that an interrupted build is never taken for a finished one.
printf '%s\n' "$stamp_text" >"$stamp"
rm -rf "$work"

minutes=$(( ($(date +%s) - started + 59) / 60 ))
note "built in $minutes min, $(du -sh "$prefix" | cut -f1) installed"
echo "$prefix"
