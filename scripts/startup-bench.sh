#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of evdrive against two floors of the same size: a
# bare Qt window, the floor that the toolkit sets, and one that shows a single
# Chinese label, the floor of drawing Chinese text at all. Builds nothing: it runs the programs that
# ./test or ./run built in build/ (or in BUILD_DIR), alternating, on a virtual X
# display of its own with a session bus as a desktop has, and prints the
# medians and their ratios.
#
#     scripts/startup-bench.sh [RUNS]     # timed runs of each, default 21
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
runs=${1:-21}

program=$build/app/evdrive
reference=$build/bench/startup/evdrive_floor_window
for file in "$program" "$reference"; do
    [ -x "$file" ] || { echo "Missing $file: build it with ./run or ./test first." >&2; exit 1; }
done
for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "Missing $tool: run ./test once to install it." >&2; exit 1; }
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null ||
    { echo "Missing python3-xlib: run ./test once to install it." >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A black root and no window manager: the measurement looks for the first
# non-black pixel of the mapped window.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start." >&2; exit 1; }

# As in a desktop session: a private runtime folder and a session bus, which
# the toolkit asks whether a screen reader is running. The bus's complaint that
# it may not raise its file limit is dropped.
mkdir -m 700 "$work/runtime"
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
echo "$(nproc) × $cpu; Qt on xcb under Xvfb"
unset WAYLAND_DISPLAY SESSION_MANAGER
DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime \
    dbus-run-session -- /usr/bin/python3 "$root/bench/startup/measure_startup.py" \
    --runs "$runs" "$program" "$reference" "$reference --chinese-label" 2> >(grep -v 'Failed to set fd limit' >&2)
