#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds evdrive for 64-bit Windows on Debian and tests it under Wine:
#
# - cross-builds evdrive.exe and evdrive-batch.exe with MinGW-w64 against the
#   static Qt of scripts/windows-qt.sh and the workbook libraries of
#   scripts/windows-libs.sh, with GoogleTest for MinGW built once into the
#   same cache, and the icon renderers of a native build
#   (build-windows-host) for the build steps that need the SVG renderer;
# - runs the core, batch and widget tests under Wine on a virtual X display,
#   and checks that evdrive-batch.exe writes the same bytes as the Linux
#   evdrive-batch for a generated table of 200000 vehicles;
# - leaves in build-windows/ the zip of both programs with the licence and a
#   README, the installer made by NSIS, and their SHA256SUMS;
# - installs that into a fresh Wine prefix, uses the programs as a user would,
#   takes screenshots into build-windows/screenshots and uninstalls it again
#   (tests/windows/installer_test.sh).
#
# Exits non-zero on any failure. The caches live in EVDRIVE_WINDOWS_CACHE
# (by default ~/.cache/evdrive-windows), outside the work tree.

set -euo pipefail

evdrive_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$evdrive_root/build-windows"
host_build="$evdrive_root/build-windows-host"
toolchain_file="$evdrive_root/cmake/mingw-w64-x86_64.cmake"
cache=${EVDRIVE_WINDOWS_CACHE:-$HOME/.cache/evdrive-windows}

# The cross compiler and Qt's needs come with scripts/windows-qt.sh; these are
# the native icon renderer's, GoogleTest's source, Wine with its virtual
# display, the tools that drive and read the windows, NSIS, and the Song face.
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n googletest
          wine wine64 xvfb xauth xdotool xclip imagemagick nsis fonts-arphic-uming)

# The installer check reads the icon back out of the installed program.
packages+=(icoutils)

script=windows-build
source "$evdrive_root/scripts/windows-common.sh"

# Prints how long the step took that started at $1 (seconds since the epoch).
took() { note "$2 in $(($(date +%s) - $1)) s"; }

install_missing_packages() {
    local missing
    mapfile -t missing < <(missing_packages "${packages[@]}")
    [ ${#missing[@]} -eq 0 ] && return 0
    note "installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# GoogleTest from Debian's source, cross-built once into the cache; built
# anew when the package or the toolchain file changes. Prints its prefix.
googletest_prefix() {
    local version hash prefix work
    version=$(dpkg-query -W -f='${Version}' googletest)
    hash=$( (echo "googletest $version"; cat "$toolchain_file") | sha256sum | cut -c1-12)
    prefix="$cache/googletest-${version//[^A-Za-z0-9.-]/_}-$hash"
    if [ ! -f "$prefix/.evdrive-stamp" ]; then
        work=$(mktemp -d)
        rm -rf "$prefix"
        note "building GoogleTest $version for MinGW into $prefix"
        {
            cmake -S /usr/src/googletest -B "$work" -G Ninja \
                -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" -DCMAKE_BUILD_TYPE=Release \
                -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=ON &&
                cmake --build "$work" && cmake --install "$work"
        } >"$cache/googletest.log" 2>&1 ||
            { tail -n 30 "$cache/googletest.log" >&2; fail "GoogleTest failed to build"; }
        rm -rf "$work"
        touch "$prefix/.evdrive-stamp"
    fi
    echo "$prefix"
}

# Configures a build folder once, then only builds it.
configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$evdrive_root" -B "$dir" -G Ninja "$@" >/dev/null
    else
        cmake "$dir" "$@" >/dev/null
    fi
}

started=$(date +%s)
install_missing_packages
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

step=$(date +%s)
qt_prefix=$(EVDRIVE_WINDOWS_CACHE="$cache" "$evdrive_root/scripts/windows-qt.sh" | tail -n 1)
[ -f "$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] || fail "no static Qt from scripts/windows-qt.sh"
took "$step" "static Qt ready"

step=$(date +%s)
libs_prefix=$(EVDRIVE_WINDOWS_CACHE="$cache" "$evdrive_root/scripts/windows-libs.sh" | tail -n 1)
[ -f "$libs_prefix/lib/libxlsxwriter.a" ] || fail "no workbook libraries from scripts/windows-libs.sh"
took "$step" "workbook libraries ready"

step=$(date +%s)
gtest_prefix=$(googletest_prefix)
took "$step" "GoogleTest ready"

step=$(date +%s)
# Built without workbooks, as a packager without their libraries would: the
# CSV tool must build so too.
configure "$host_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DEVDRIVE_WORKBOOKS=OFF
cmake --build "$host_build" --target evdrive_render_icon_pixels evdrive_render_icon_files \
    evdrive-batch >/dev/null
took "$step" "native icon renderers and evdrive-batch without workbooks built"

# A build folder configured against another Qt starts afresh: CMake keeps the
# toolchain file of the first configuration.
qt_toolchain="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake"
if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$qt_toolchain" "$build/CMakeCache.txt"; then
    note "$build was configured against another Qt; building it anew"
    rm -rf "$build"
fi

# The tests run under Wine, the gtest discovery during the build included, in
# a prefix of the build's own. Qt's messages go to the standard error stream:
# by the debugger channel, where Wine sends them otherwise, each takes seconds.
wine_prefix="$build/wine"
"$evdrive_root/tests/windows/wine_prefix.sh" "$wine_prefix" 1280x1024
emulator="env;WINEPREFIX=$wine_prefix;WINEDEBUG=-all;WINEQT_FORCE_STDERR_LOGGING=1;wine"

# pkg-config finds the workbook libraries for Windows alone, whenever CMake
# configures the cross build again.
export PKG_CONFIG_LIBDIR="$libs_prefix/lib/pkgconfig"
step=$(date +%s)
configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt_toolchain" \
    "-DQT_ADDITIONAL_PACKAGES_PREFIX_PATH=$gtest_prefix;$libs_prefix" \
    -DEVDRIVE_HOST_TOOLS="$host_build" \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator"
cmake --build "$build" --parallel "$(nproc)"
cmake --build "$build" --target evdrive_windows_package
took "$step" "cross-built and packaged"

# The checksums of the downloads, beside them: README.txt tells a user how to
# check a download against them, the programs being unsigned.
(
    cd "$build"
    sha256sum "$(ls -t evdrive-*-windows-x64.zip | head -n 1)" \
        "$(ls -t evdrive-*-setup.exe | head -n 1)" >SHA256SUMS
)

# One X display for the widget tests, one Wine server for all the tests, so
# that none waits for Wine to start. The GB18030 tests skip where Wine has no
# code page 54936 (tests/batch/CMakeLists.txt).
step=$(date +%s)
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    export WINEPREFIX=$1 WINEDEBUG=-all
    wineserver -p
    trap "wineserver -k" EXIT
    wine cmd /c exit
    status=0
    # Now and then a program under Wine dies as it starts, before it writes a
    # word, or waits for ever on the Wine server: such a test is cut short and
    # run again. A test of ours that fails, fails each time.
    ctest --test-dir "$2" --output-on-failure --parallel "$(nproc)" -L "core|batch" \
        --timeout 120 --repeat until-pass:3 || status=1
    # The windows one after another, each with the keyboard to itself.
    ctest --test-dir "$2" --output-on-failure -L ui --timeout 300 --repeat until-pass:3 ||
        status=1
    exit $status
' windows-tests "$wine_prefix" "$build" || fail "tests failed under Wine"
took "$step" "tests under Wine"

# evdrive-batch.exe writes the very bytes of the Linux build's evdrive-batch
# over a generated table of vehicles (tests/windows/same_output_test.sh).
step=$(date +%s)
cmake --build "$host_build" --target evdrive-batch >/dev/null
WINEPREFIX="$wine_prefix" WINEDEBUG=-all "$evdrive_root/tests/windows/same_output_test.sh" \
    "$host_build/app/batch/evdrive-batch" "$build/app/batch/evdrive-batch.exe" ||
    fail "evdrive-batch writes other bytes on Windows than on Linux"
took "$step" "same output on Linux and Windows"

step=$(date +%s)
installer=$(ls -t "$build"/evdrive-*-setup.exe | head -n 1)
# The version as the build wrote it into the programs.
version=$(sed -n 's/.*version\[\] = "\(.*\)";/\1/p' "$build/generated/app/app_info.h")
xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$evdrive_root/tests/windows/installer_test.sh" "$installer" "$build/screenshots" "$version" ||
    fail "the installer check failed"
took "$step" "installer checked"

took "$started" "done"
ls -l "$(ls -t "$build"/evdrive-*-windows-x64.zip | head -n 1)" "$installer"
