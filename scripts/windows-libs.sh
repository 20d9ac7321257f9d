#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libraries evdrive-batch.exe reads and writes workbooks with:
# expat, minizip and libxlsxwriter from Debian's own source, cross-compiled
# with MinGW-w64 as static libraries against Debian's zlib for MinGW
# (libz-mingw-w64-dev). No such libraries are packaged for MinGW.
#
# They go into the cache beside the static Qt (EVDRIVE_WINDOWS_CACHE, by
# default ~/.cache/evdrive-windows) and are kept until a source version, the
# options below or cmake/mingw-w64-x86_64.cmake change. Prints the prefix,
# with lib/pkgconfig for pkg-config, as the last line of its standard output:
#
#     libs_prefix=$(scripts/windows-libs.sh | tail -1)
#
# Everything else goes to standard error, and the build output to
# windows-libs.log in the cache.

set -euo pipefail

evdrive_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
toolchain_file="$evdrive_root/cmake/mingw-w64-x86_64.cmake"
cache=${EVDRIVE_WINDOWS_CACHE:-$HOME/.cache/evdrive-windows}

packages=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
          dpkg-dev xz-utils cmake ninja-build pkg-config)
sources=(expat minizip libxlsxwriter)

# Static, without the programs, tests and documentation. libxlsxwriter takes
# the minizip built here, as Debian's own package does, and its own MD5 and
# temporary files rather than OpenSSL's and the C library's (whose tmpfile()
# writes to the root of drive C: on Windows). Changing these rebuilds them.
expat_options=(-DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF
               -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=ON)
xlsxwriter_options=(-DBUILD_SHARED_LIBS=OFF -DUSE_SYSTEM_MINIZIP=ON -DUSE_OPENSSL_MD5=OFF
                    -DUSE_STANDARD_TMPFILE=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF)
minizip_files=(ioapi.c unzip.c zip.c)

script=windows-libs
source "$evdrive_root/scripts/windows-common.sh"

mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
log="$cache/windows-libs.log"

logged() {
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
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The versions of a source package the archive lists, newest first.
source_versions() {
    apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -u -V -r
}

# apt-get source needs deb-src entries: made from the machine's deb entries,
# as scripts/windows-qt.sh makes them.
add_source_entries() {
    [ -n "$(source_versions libxlsxwriter)" ] && return 0
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
    "${sudo[@]}" apt-get update -qq
    [ -n "$(source_versions libxlsxwriter)" ] || fail "the archive lists no source of libxlsxwriter"
}

# Unpacks the newest source of a package that the archive serves (a mirror
# may list a security update it does not have yet) into $work/NAME; prints
# the version.
fetch_source() {
    local name=$1 version
    for version in $(source_versions "$name"); do
        if (cd "$work" && apt-get source --download-only "$name=$version" >>"$log" 2>&1); then
            logged dpkg-source -x "$work/${name}_${version#*:}.dsc" "$work/$name"
            echo "$version"
            return 0
        fi
    done
    fail "no source of $name could be fetched"
}

install_missing_packages
add_source_entries

# The stamp names what the build depends on, and its hash the prefix.
stamp_text=$(
    for name in "${sources[@]}"; do echo "$name $(source_versions "$name" | head -n 1)"; done
    echo "zlib $(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)"
    printf '%s\n' "${expat_options[@]}" "${xlsxwriter_options[@]}" "${minizip_files[@]}"
    echo "--- $(basename "$toolchain_file")"
    cat "$toolchain_file"
)
hash=$(printf '%s\n' "$stamp_text" | sha256sum | cut -c1-12)
prefix="$cache/workbook-libs-$hash"
stamp="$prefix/.evdrive-libs-stamp"

exec 9>"$cache/.libs-lock"
flock 9

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
    note "up to date"
    echo "$prefix"
    exit 0
fi

: >"$log"
work=$(mktemp -d "$cache/libs-work-XXXXXX")
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
mkdir -p "$prefix/lib/pkgconfig" "$prefix/include/minizip"
started=$(date +%s)
cmake_cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix"
             -DCMAKE_FIND_ROOT_PATH="$prefix")

version=$(fetch_source expat)
note "building expat $version"
logged cmake -S "$work/expat/expat" -B "$work/expat-build" "${cmake_cross[@]}" "${expat_options[@]}"
# Debian's patches test XML_DTD == 1, as its autotools build defines it; the
# CMake build defines it empty.
logged sed -i 's/^#define XML_DTD$/#define XML_DTD 1/' "$work/expat-build/expat_config.h"
logged cmake --build "$work/expat-build"
logged cmake --install "$work/expat-build"

# minizip is three files of zlib's contrib folder: compiled as they are,
# with a pkg-config file like Debian's.
version=$(fetch_source minizip)
note "building minizip $version"
for file in "${minizip_files[@]}"; do
    logged x86_64-w64-mingw32-gcc-posix -O2 -c "$work/minizip/$file" -o "$work/${file%.c}.o"
done
logged x86_64-w64-mingw32-ar rcs "$prefix/lib/libminizip.a" "$work"/*.o
cp "$work/minizip"/{ioapi,unzip,zip,crypt}.h "$prefix/include/minizip/"
# libxlsxwriter's search for minizip reads the version from zlib.h beside
# minizip's headers, where a system's include folder has it.
cp /usr/x86_64-w64-mingw32/include/{zlib,zconf}.h "$prefix/include/"
cat >"$prefix/lib/pkgconfig/minizip.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: minizip
Description: zip archives
Version: ${version%%-*}
Libs: -L\${libdir} -lminizip
Libs.private: -lz
Cflags: -I\${includedir} -I\${includedir}/minizip
PC

version=$(fetch_source libxlsxwriter)
note "building libxlsxwriter $version"
logged cmake -S "$work/libxlsxwriter" -B "$work/libxlsxwriter-build" "${cmake_cross[@]}" \
    "${xlsxwriter_options[@]}" -DMINIZIP_ROOT="$prefix"
logged cmake --build "$work/libxlsxwriter-build"
logged cmake --install "$work/libxlsxwriter-build"

# Last, so that an interrupted build is never taken for a finished one.
printf '%s\n' "$stamp_text" >"$stamp"
note "built in $(($(date +%s) - started)) s"
echo "$prefix"
