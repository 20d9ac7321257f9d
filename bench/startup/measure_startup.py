#!/usr/bin/python3
"""Start-up time and resident memory of a program against a reference one.

Runs the two programs in turn, A B A B ..., on the X display named by DISPLAY,
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


def measure(conn, root, program):
    """Seconds until the window is drawn, and the memory then."""
    while conn.pending_events():
        conn.next_event()
    start = time.perf_counter()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
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
    print("%-22s %9s %7.1f ms (%.1f–%.1f)  RSS %6.1f MiB (anon %5.1f, file %5.1f)" % (
        name, size, statistics.median(times), min(times), max(times),
        statistics.median(rss), statistics.median(anon), statistics.median(file)))
    return statistics.median(times), statistics.median(rss)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("program", help="the program measured (A)")
    parser.add_argument("reference", help="the reference program (B)")
    parser.add_argument("--runs", type=int, default=21, help="timed runs of each (default 21)")
    args = parser.parse_args()

    conn = display.Display()
    root = conn.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    conn.sync()

    programs = (args.program, args.reference)
    # An untimed run of each first, so that both find their files in the page cache.
    for program in programs:
        measure(conn, root, program)
    results = {program: [] for program in programs}
    for _ in range(args.runs):
        for program in programs:
            results[program].append(measure(conn, root, program))

    print("%d runs of each, alternating; medians (min–max)" % args.runs)
    time_a, rss_a = summary(os.path.basename(args.program), results[args.program])
    time_b, rss_b = summary(os.path.basename(args.reference), results[args.reference])
    print("ratio: start-up %.2f ×, memory %.2f × (goal: at most 1.10 × each)" % (
        time_a / time_b, rss_a / rss_b))


if __name__ == "__main__":
    try:
        main()
    except StartupError as error:
        sys.exit("startup benchmark: %s" % error)
