# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by ./run and ./test: installs the Debian packages the build needs and
# builds a variant of the project. Sourced, not run.

evdrive_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the packages of scripts/debian-packages that are missing, asking apt
# for its package lists only when something is to be installed.
install_missing_packages() {
    local wanted missing=() package
    mapfile -t wanted < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$evdrive_root/scripts/debian-packages")
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages (run as root to install): ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}

# Generates the locales the tests run under, where they are missing.
generate_test_locales() {
    local wanted=(de_DE.UTF-8 fr_FR.UTF-8 ru_RU.UTF-8 zh_CN.UTF-8 C.UTF-8) missing=() name
    for name in "${wanted[@]}"; do
        locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || missing+=("$name")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    for name in "${missing[@]}"; do
        "${sudo[@]}" sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
    done
    "${sudo[@]}" locale-gen >/dev/null
}

# build_variant DIR [CMAKE ARGUMENTS...]: configures DIR once and builds it.
build_variant() {
    local dir="$evdrive_root/$1"
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$evdrive_root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return 1
    else
        cmake "$dir" "$@" >/dev/null || return 1
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
