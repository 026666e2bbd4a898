#!/usr/bin/env python3
"""How long the program takes from its start to its first windows, measured from outside.

Each run starts the real corvell on an X server of its own (Xvfb, no window manager, no other
client) against the emulator, with the receiver switched on, and watches the X server: a
connection of the script's own asks for every window mapped on the root window
(SubstructureNotify) and notes when the splash and then the main window are mapped, counted
from just before the program is started. Then corvell is ended by SIGTERM and the next run
begins.

The watch connects only once corvell has loaded the toolkit's X plugin, so after its display
check: an X server whose last client leaves resets itself, and a connection made meanwhile
waits for that (tens of milliseconds on Xvfb). A display check that closes its connection
before the toolkit connects meets that reset on a display where corvell is the only client; a
watch connected before it would keep the server from resetting and hide what is measured.

    bench/shell/start_time.py CORVELL [CORVELL ...]

Each CORVELL is a corvell executable with its libquillon.so and corvell-rx-emulator beside it
(a build's bin/ folder): an older tree built beside this one, say. They take turns in every
run, so a busy machine weighs on all of them alike. Environment:
    RUNS=10       runs of each program
    CONNECT=1     the receiver switched on at start (0: off, as the settings can say)
Xvfb must be installed (scripts/deps.sh installs it). Measured on a shared 8-core machine, 10
runs each, min / median / max, the display check closing its connection before the toolkit
connects against keeping it open until then:
    receiver off: splash 0.081 / 0.095 / 0.113 s against 0.043 / 0.058 / 0.078 s,
                  main window 0.225 / 0.246 / 0.264 s against 0.194 / 0.207 / 0.233 s;
    receiver on:  splash 0.080 / 0.095 / 0.130 s against 0.039 / 0.059 / 0.086 s,
                  main window 1.025 / 1.050 / 1.434 s against 0.994 / 1.013 / 1.057 s.
With a window manager (or any other client) on the display the server does not reset when the
check's connection closes: a connection made right after one closed then took 0.1-0.2 ms here,
against 21-35 ms on the same Xvfb with no other client.
"""
import ctypes
import ctypes.util
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
ANY_PROPERTY_TYPE = 0
IS_UNMAPPED = 0


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", XMapEvent), ("pad", ctypes.c_long * 24)]


def load_xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
        ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XQueryTree.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
        ctypes.POINTER(ctypes.c_uint)]
    xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                          ctypes.POINTER(XWindowAttributes)]
    return xlib


CONNECT = os.environ.get("CONNECT", "1")
XLIB = load_xlib()
# A window gone before its properties are read is no reason to end the script.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
XLIB.XSetErrorHandler(ERROR_HANDLER)


class MapWatch:
    """The script's own connection to the display, told of every top-level window mapped."""

    def __init__(self, display):
        self.d = XLIB.XOpenDisplay(display.encode())
        if not self.d:
            raise RuntimeError(f"cannot open display {display}")
        XLIB.XSelectInput(self.d, XLIB.XDefaultRootWindow(self.d), SUBSTRUCTURE_NOTIFY_MASK)
        XLIB.XSync(self.d, 0)
        self.type_atom = XLIB.XInternAtom(self.d, b"_NET_WM_WINDOW_TYPE", 0)
        self.splash_atom = XLIB.XInternAtom(self.d, b"_NET_WM_WINDOW_TYPE_SPLASH", 0)
        self.name_atom = XLIB.XInternAtom(self.d, b"_NET_WM_NAME", 0)

    def close(self):
        XLIB.XCloseDisplay(self.d)

    def any_mapped(self):
        """Whether a top-level window is mapped already (the watch would have missed it)."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not XLIB.XQueryTree(self.d, XLIB.XDefaultRootWindow(self.d), ctypes.byref(root),
                               ctypes.byref(parent), ctypes.byref(children),
                               ctypes.byref(count)):
            return False
        windows = list(children[:count.value])
        if children:
            XLIB.XFree(children)
        attributes = XWindowAttributes()
        for w in windows:
            if XLIB.XGetWindowAttributes(self.d, w, ctypes.byref(attributes)) and \
                    attributes.map_state != IS_UNMAPPED:
                return True
        return False

    def _property(self, window, atom):
        actual, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if XLIB.XGetWindowProperty(self.d, window, atom, 0, 1024, 0, ANY_PROPERTY_TYPE,
                                   ctypes.byref(actual), ctypes.byref(fmt), ctypes.byref(count),
                                   ctypes.byref(after), ctypes.byref(data)) != 0 or not data:
            return fmt.value, b"", []
        if fmt.value == 32:
            values = list(ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[:count.value])
            raw = b""
        else:
            values = []
            raw = ctypes.string_at(data, count.value * fmt.value // 8)
        XLIB.XFree(data)
        return fmt.value, raw, values

    def kind(self, window):
        """'splash', 'main' (a normal window titled Corvell...) or None."""
        _, _, types = self._property(window, self.type_atom)
        if self.splash_atom in types:
            return "splash"
        _, name, _ = self._property(window, self.name_atom)
        return "main" if name.startswith(b"Corvell") else None

    def wait_for_main(self, since, seconds):
        """Seconds from `since` to the first window mapped and to the main window mapped."""
        first = None
        event = XEvent()
        deadline = time.monotonic() + seconds
        fd = XLIB.XConnectionNumber(self.d)
        while time.monotonic() < deadline:
            if not XLIB.XPending(self.d):
                select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
                continue
            XLIB.XNextEvent(self.d, ctypes.byref(event))
            if event.type != MAP_NOTIFY:
                continue
            at = time.monotonic() - since
            if first is None:
                first = at
            if self.kind(event.map.window) == "main":
                return first, at
        raise RuntimeError("no main window within %d s" % seconds)


def wait_for_toolkit(pid, seconds):
    """Until the process has loaded the toolkit's X plugin, which it does after the check."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            with open(f"/proc/{pid}/maps", encoding="ascii", errors="replace") as f:
                if "XcbQpa" in f.read():
                    return
        except FileNotFoundError:
            raise RuntimeError("corvell ended at start")
        time.sleep(0.0005)
    raise RuntimeError("corvell loaded no X plugin")


def start_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1600x1200x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.005)
    return False


def one_run(corvell, display):
    bindir = os.path.dirname(os.path.abspath(corvell))
    with tempfile.TemporaryDirectory(prefix="corvell-start.") as home:
        with open(os.path.join(home, "Corvell.ini"), "w", newline="") as f:
            f.write(f"[DATA]\r\nCOMPORT=1\r\nCONNECT={CONNECT}\r\n")
        device = os.path.join(home, "receiver")
        emulator = subprocess.Popen(
            [os.path.join(bindir, "corvell-rx-emulator"), "--link", device],
            stdout=subprocess.DEVNULL)
        program = None
        watch = None
        try:
            if not wait_for(lambda: os.path.exists(device), 5):
                raise RuntimeError("the emulator made no device")
            env = dict(os.environ, CORVELL_HOME=home, QUILLON_COM1=device, DISPLAY=display,
                       QT_QPA_PLATFORM="xcb")
            started = time.monotonic()
            program = subprocess.Popen([corvell], env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            wait_for_toolkit(program.pid, 10)
            watch = MapWatch(display)
            if watch.any_mapped():
                raise RuntimeError("a window was mapped before the watch began")
            return watch.wait_for_main(started, 30)
        finally:
            if watch is not None:
                watch.close()
            if program is not None:
                program.send_signal(signal.SIGTERM)
                try:
                    program.wait(30)
                except subprocess.TimeoutExpired:
                    program.kill()
                    program.wait()
            emulator.terminate()
            emulator.wait(10)
            time.sleep(0.3)  # the next run does not meet this one's end on the X server


def span(values):
    values = sorted(values)
    return f"{values[0]:.3f} / {statistics.median(values):.3f} / {values[-1]:.3f}"


def main():
    programs = sys.argv[1:]
    if not programs:
        sys.exit(__doc__)
    runs = int(os.environ.get("RUNS", "10"))
    server, display = start_server()
    results = {p: [] for p in programs}
    try:
        for run in range(1, runs + 1):
            for p in programs:
                first, main_window = one_run(p, display)
                results[p].append((first, main_window))
                print(f"run {run}, {p}: first window {first:.3f} s, main window "
                      f"{main_window:.3f} s", file=sys.stderr)
    finally:
        server.terminate()
        server.wait(10)
    print(f"\n{runs} runs each, taking turns, on Xvfb without a window manager, the receiver "
          f"{'on' if CONNECT == '1' else 'off'}.\n")
    print("| corvell | start to first window (splash), s (min / median / max) "
          "| start to main window, s (min / median / max) |")
    print("|---|---|---|")
    for p, rows in results.items():
        print(f"| {p} | {span(r[0] for r in rows)} | {span(r[1] for r in rows)} |")


if __name__ == "__main__":
    main()
