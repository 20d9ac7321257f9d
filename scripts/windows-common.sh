# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/windows-build.sh and scripts/windows-qt.sh; sourced, not
# run. Messages go to standard error under the name the script sets in $script.

note() { echo "$script: $*" >&2; }

fail() {
    note "$*"
    exit 1
}

# What runs a command as root: nothing for root, else sudo.
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "not root, and no sudo to install packages with"
    sudo=(sudo)
fi

# Prints those of the packages named that are not installed, one a line.
missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || echo "$package"
    done
}
