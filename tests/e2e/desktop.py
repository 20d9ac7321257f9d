# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program in an X server of its own, used the way a person uses it.

Desktop starts a virtual X server, a D-Bus session (which starts the
accessibility bus on demand) and the program; it types and clicks with
xdotool, reads and writes the clipboard with xclip and reads the windows
through the accessibility bus. There is no window manager: windows open at
the top left corner, and Window.move, Window.focus and Window.close do what
a window manager does for the user.

Everything the program does happens after the input that caused it, and the
machine may be busy: every check polls until its condition holds or a
deadline passes, and every step waits for what a user would see before the
next: a window on screen, a menu open or closed, the effect of a key.
"""

import contextlib
import ctypes
import os
import re
import select
import signal
import socket
import subprocess
import sys
import tempfile
import time

import pyatspi
import Xlib.display
import Xlib.error
import Xlib.protocol.event
import Xlib.X
from gi.repository import GLib

DEADLINE = 30  # seconds; generous, as the tests share the cores with fuzzers
PR_SET_CHILD_SUBREAPER = 36


def wait_for(what, condition, timeout=DEADLINE):
    """Returns the first true value of condition(), polled until the deadline."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise TimeoutError(f"gave up waiting for {what}")
        time.sleep(0.05)


def expect(what, read, expected, timeout=DEADLINE):
    """Polls read() until it gives expected; fails with the last value read."""
    seen = []

    def matches():
        seen.append(read())
        return seen[-1] == expected

    try:
        wait_for(what, matches, timeout)
    except TimeoutError:
        raise AssertionError(f"{what}: {seen[-1]!r}, expected {expected!r}") from None


def _read_line(stream, what):
    """Reads one line from a child's pipe, which it writes once it is ready."""
    line = b""
    end = time.monotonic() + DEADLINE
    while not line.endswith(b"\n"):
        if not select.select([stream], [], [], max(0, end - time.monotonic()))[0]:
            raise TimeoutError(f"gave up waiting for {what}")
        chunk = os.read(stream.fileno(), 256)
        if not chunk:
            raise RuntimeError(f"{what}: the process ended")
        line += chunk
    return line.decode().strip()


@contextlib.contextmanager
def _claim_display():
    """Reserves a display number for as long as the context lasts.

    An X server left to find a free number itself (-displayfd alone) opens
    and closes sockets on the numbers that other servers use, and now and
    then a client of those servers then fails to connect: tests running side
    by side would disturb each other.
    """
    for number in range(100, 200):
        with socket.socket(socket.AF_UNIX) as claim:
            try:
                claim.bind(f"\0evdrive-e2e-display-{number}")
            except OSError:
                continue
            if not os.path.exists(f"/tmp/.X{number}-lock"):
                yield number
                return
    raise RuntimeError("no free display number")


def _stop(process, group=False):
    """Ends a process (or its process group) and waits for it."""
    if process.poll() is None:
        with contextlib.suppress(ProcessLookupError):
            if group:
                os.killpg(process.pid, signal.SIGTERM)
            else:
                process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        if group:
            os.killpg(process.pid, signal.SIGKILL)
        else:
            process.kill()
        process.wait()


def _reap_orphans():
    """Waits for the bus services that D-Bus started and left to this process."""
    end = time.monotonic() + 10
    while time.monotonic() < end:
        try:
            if os.waitpid(-1, os.WNOHANG)[0] == 0:
                time.sleep(0.05)
        except ChildProcessError:
            return


class Desktop:
    """A running X server, session bus and program, for one `with` block."""

    def __init__(self, program, locale="C.UTF-8"):
        self._command = [program]
        self._locale = locale
        self.program = None

    def __enter__(self):
        # The services D-Bus starts outlive their parent; they become children
        # of this process, which stops them with the bus and reaps them.
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self._teardown = contextlib.ExitStack()
        try:
            self._start()
        except BaseException:
            self._teardown.close()
            raise
        return self

    def __exit__(self, *exc):
        self._teardown.close()

    def _start(self):
        home = self._teardown.enter_context(tempfile.TemporaryDirectory(prefix="evdrive-e2e-"))
        self.env = {"PATH": os.environ["PATH"], "HOME": home, "XDG_RUNTIME_DIR": home}
        self._teardown.callback(_reap_orphans)

        display = self._teardown.enter_context(_claim_display())
        # The X server writes its display number to -displayfd once it listens.
        # It does not reset when its last client leaves, as the accessibility
        # bus's launcher does early on.
        read_end, write_end = os.pipe()
        with os.fdopen(read_end, "rb", buffering=0) as ready:
            xserver = subprocess.Popen(
                ["Xvfb", f":{display}", "-displayfd", str(write_end), "-noreset",
                 "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                pass_fds=[write_end], start_new_session=True)
            os.close(write_end)
            self._teardown.callback(_stop, xserver)
            self.env["DISPLAY"] = ":" + _read_line(ready, "the X server")
        self.display = Xlib.display.Display(self.env["DISPLAY"])
        self._teardown.callback(self.display.close)

        bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            start_new_session=True)
        self._teardown.callback(_stop, bus, group=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus.stdout, "the session bus")
        bus.stdout.close()
        # The accessibility library finds the buses through the environment.
        os.environ.update(self.env)

        self.program = subprocess.Popen(self._command, env={
            **self.env,
            "LC_ALL": self._locale,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        self._teardown.callback(_stop, self.program)

    def run(self, *command):
        # Decoded by hand: text mode would turn a "\r\n" on the clipboard into "\n".
        return subprocess.run(command, env=self.env, check=True, capture_output=True,
                              timeout=DEADLINE).stdout.decode()

    def xdotool(self, *arguments):
        return self.run("xdotool", *arguments)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    def key(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def click_at(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def clipboard(self, selection="clipboard"):
        """The text on the clipboard (or on "primary", what is marked), or None
        while no program holds it."""
        try:
            return self.run("xclip", "-selection", selection, "-out")
        except subprocess.CalledProcessError:
            return None

    def set_clipboard(self, text):
        # xclip stays behind to hand the text out until the X server ends.
        subprocess.run(["xclip", "-selection", "clipboard", "-in"], input=text, text=True,
                       env=self.env, stderr=subprocess.DEVNULL, check=True, timeout=DEADLINE)
        expect("the clipboard", self.clipboard, text)

    def windows(self):
        """The program's windows (and message boxes) that are on screen."""
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for application in desktop:
                if application is None or application.get_process_id() != self.program.pid:
                    continue
                # Read the windows afresh, not from what earlier reads left behind.
                application.clearCache()
                return [window for window in application
                        if window is not None
                        and window.getState().contains(pyatspi.STATE_SHOWING)]
        except GLib.Error:
            pass  # the program is still joining the bus, or a window just closed
        return []

    def _titled(self, name, alert):
        # Message boxes are alerts; they may carry the title of a window.
        return [window for window in self.windows()
                if window.name == name and (window.getRoleName() == "alert") == alert]

    def on_screen(self):
        """The X windows on screen, as (id, place and size, whether a window
        manager would leave it alone: override-redirect, its kinds)."""
        kind = self.display.intern_atom("_NET_WM_WINDOW_TYPE")
        shown = []
        for window in self.display.screen().root.query_tree().children:
            try:
                attributes = window.get_attributes()
                if attributes.map_state == Xlib.X.IsViewable:
                    box = window.get_geometry()
                    kinds = window.get_full_property(kind, Xlib.X.AnyPropertyType)
                    shown.append((window.id, (box.x, box.y, box.width, box.height),
                                  bool(attributes.override_redirect), kinds.value if kinds else ()))
            except Xlib.error.XError:
                pass  # closed while being looked at
        return shown

    def menu_open(self):
        """Whether a menu is on screen: a window the window manager leaves
        alone that is no tooltip."""
        tooltip = self.display.intern_atom("_NET_WM_WINDOW_TYPE_TOOLTIP")
        return any(unmanaged and tooltip not in kinds
                   for _, _, unmanaged, kinds in self.on_screen())

    def window_count(self, name, alert=False):
        return len(self._titled(name, alert))

    def window(self, name, alert=False):
        """Waits for the one window (or message box) titled name and returns it."""
        def found():
            titled = self._titled(name, alert)
            return titled[0] if len(titled) == 1 else None
        kind = "message box" if alert else "window"
        return Window(self, wait_for(f"the {kind} {name!r}", found), alert)

    def wait_for_exit(self):
        try:
            return self.program.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program is still running") from None


class Window:
    """One window of the program, as the screen and a screen reader show it."""

    def __init__(self, desktop, accessible, alert):
        self._desktop = desktop
        self.accessible = accessible
        self.name = accessible.name
        self._alert = alert
        # A screen reader hears of a window before the X server shows it.
        self.xid = wait_for(f"{self.name!r} on screen", self._mapped)

    def extents(self):
        try:
            return self.accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        except GLib.Error:
            raise LookupError(f"{self.name!r} is no longer on screen") from None

    def _mapped(self):
        # The X window shown at the place and size the screen reader reports.
        box = self.extents()
        wanted = (box.x, box.y, box.width, box.height)
        return next((str(xid) for xid, place, unmanaged, _ in self._desktop.on_screen()
                     if place == wanted and not unmanaged), None)

    def move(self, x, y):
        self._desktop.xdotool("windowmove", "--sync", self.xid, str(x), str(y))
        expect(f"where {self.name!r} is", lambda: tuple(self.extents()[:2]), (x, y))

    def is_active(self):
        return self.accessible.getState().contains(pyatspi.STATE_ACTIVE)

    def focus(self):
        self._desktop.xdotool("windowfocus", "--sync", self.xid)
        wait_for(f"{self.name!r} to be active", self.is_active)

    def click(self, left, top, width, height):
        """Clicks the middle of a rectangle given in the window's own coordinates."""
        box = self.extents()
        self._desktop.click_at(box.x + left + width // 2, box.y + top + height // 2)

    def find(self, role, name=None, description=None):
        """The control of that role, name and description."""
        def matches(accessible):
            return (accessible.getRoleName() == role
                    and name in (None, accessible.name)
                    and description in (None, accessible.description))

        def found():
            try:
                return pyatspi.findDescendant(self.accessible, matches)
            except GLib.Error:
                return None  # the window is changing under the search
        return wait_for(f"a {role} {name or description!r} in {self.name!r}", found)

    def press(self, control):
        """Clicks a control where the program drew it."""
        box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self._desktop.click_at(box.x + box.width // 2, box.y + box.height // 2)

    def close(self):
        """Asks the window to close, as the close button of its frame would."""
        display = self._desktop.display
        window = display.create_resource_object("window", int(self.xid))
        window.send_event(Xlib.protocol.event.ClientMessage(
            window=window, client_type=display.intern_atom("WM_PROTOCOLS"),
            data=(32, [display.intern_atom("WM_DELETE_WINDOW"), Xlib.X.CurrentTime, 0, 0, 0])))
        # A round trip: the message leaves now, not with some later request.
        display.sync()

    def is_open(self):
        return self._desktop.window_count(self.name, self._alert) > 0

    def colours(self, left, top, width, height):
        """The colours on screen in a rectangle of the window, as "RRGGBB"."""
        box = self.extents()
        crop = f"{width}x{height}+{box.x + left}+{box.y + top}"
        pixels = self._desktop.run("import", "-window", "root", "-crop", crop,
                                   "-depth", "8", "txt:-")
        return set(re.findall(r"#([0-9A-F]{6})\b", pixels))


def text(control):
    return control.queryText().getText(0, -1)


def has_focus(control):
    return control.getState().contains(pyatspi.STATE_FOCUSED)


def main(*tests):
    """Runs the test that the command line names after the program:
    `script PROGRAM TEST`."""
    program, name = sys.argv[1:]
    test = {test.__name__: test for test in tests}[name]
    # A test stopped from outside still stops what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    with Desktop(program) as desktop:
        test(desktop)
