#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and resident memory of a program against reference ones.

Runs the programs in turn, A B C A B C ..., on the X display named by DISPLAY,
which must have a black root window (Xvfb -br) and no window manager. A run
lasts from just before the process is started until its top-level window is
mapped and drawn: the X server reports the MapNotify, then a pixel at the
window's centre is polled until it is no longer black, the root's colour,
which the window shows until the program's first frame reaches it. A widget
program paints its whole window into its backing store before sending it to
the server, so that pixel stands for the whole frame. The resident memory is
read from /proc at that moment. Uses python3-xlib (Debian's python3).
"""

import argparse
import os
import select
import shlex
import statistics
import subprocess
import sys
import time

from Xlib import X, display

POLL_INTERVAL = 0.0005  # seconds between two looks at the pixel
TIMEOUT = 20.0  # seconds a program may take to show its window


class StartupError(RuntimeError):
    pass


def next_event(conn, deadline):
    """The next X event, waiting for it until deadline."""
    while not conn.pending_events():
        left = deadline - time.perf_counter()
        if left <= 0:
            raise StartupError("no window within %g s" % TIMEOUT)
        select.select([conn.fileno()], [], [], left)
    return conn.next_event()


def wait_for_map(conn, root, deadline):
    """The first top-level window mapped from now on."""
    while True:
        event = next_event(conn, deadline)
        if event.type == X.MapNotify and event.event == root and not event.override:
            return event.window


def wait_for_frame(root, window, deadline):
    geometry = window.get_geometry()
    centre_x = geometry.x + geometry.width // 2
    centre_y = geometry.y + geometry.height // 2
    while True:
        pixel = root.get_image(centre_x, centre_y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
        if any(pixel[:3]):
            return geometry
        if time.perf_counter() > deadline:
            raise StartupError("window mapped but never drawn")
        time.sleep(POLL_INTERVAL)


def wait_for_unmap(conn, root, window):
    """Lets the server forget the window before the next run draws over its place."""
    deadline = time.perf_counter() + TIMEOUT
    while True:
        event = next_event(conn, deadline)
        if event.type in (X.UnmapNotify, X.DestroyNotify) and event.window == window:
            return


def resident_kib(pid):
    """VmRSS, RssAnon and RssFile of a process, in KiB."""
    wanted = ("VmRSS:", "RssAnon:", "RssFile:")
    values = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            fields = line.split()
            if fields and fields[0] in wanted:
                values[fields[0]] = int(fields[1])
    return tuple(values[key] for key in wanted)


def measure(conn, root, command):
    """Seconds until the window is drawn, and the memory then."""
    while conn.pending_events():
        conn.next_event()
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = start + TIMEOUT
        window = wait_for_map(conn, root, deadline)
        geometry = wait_for_frame(root, window, deadline)
        elapsed = time.perf_counter() - start
        memory = resident_kib(process.pid)
    finally:
        process.terminate()
        process.wait()
    wait_for_unmap(conn, root, window)
    return elapsed, memory, (geometry.width, geometry.height)


def summary(name, runs):
    times = [run[0] * 1000 for run in runs]
    rss, anon, file = ([run[1][i] / 1024 for run in runs] for i in range(3))
    size = "%d × %d" % runs[0][2]
    print("%-36s %9s %7.1f ms (%.1f–%.1f)  RSS %6.1f MiB (anon %5.1f, file %5.1f)" % (
        name, size, statistics.median(times), min(times), max(times),
        statistics.median(rss), statistics.median(anon), statistics.median(file)))
    return statistics.median(times), statistics.median(rss)


def name(command):
    return " ".join([os.path.basename(command[0])] + command[1:])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("program", help="the command measured")
    parser.add_argument("references", nargs="+", help="the reference commands")
    parser.add_argument("--runs", type=int, default=21, help="timed runs of each (default 21)")
    args = parser.parse_args()

    conn = display.Display()
    root = conn.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    conn.sync()

    commands = [shlex.split(command) for command in [args.program] + args.references]
    # An untimed run of each first, so that all find their files in the page cache.
    for command in commands:
        measure(conn, root, command)
    results = [[] for _ in commands]
    for _ in range(args.runs):
        for command, runs in zip(commands, results):
            runs.append(measure(conn, root, command))

    print("%d runs of each, alternating; medians (min–max)" % args.runs)
    medians = [summary(name(command), runs) for command, runs in zip(commands, results)]
    for command, (time_b, rss_b) in zip(commands[1:], medians[1:]):
        print("against %s: start-up %.2f ×, memory %.2f ×" % (
            name(command), medians[0][0] / time_b, medians[0][1] / rss_b))


if __name__ == "__main__":
    try:
        main()
    except StartupError as error:
        sys.exit("startup benchmark: %s" % error)
