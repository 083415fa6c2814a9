#!/usr/bin/env python3
"""Times each editor from the key press that opens it to its window being
the active one, under Xvfb and openbox, with the program and the window
manager as an operator has them.

    scripts/measure-editor-open.py BUILD_DIR [--repeat N] [--mode nowy|pkpir] [FORM...]

Needs Debian's xvfb, openbox and libxtst6. BUILD_DIR holds a Release build
of zgloszenia and zgloszenia-demo. The program starts in a fresh demo data
directory. For each editor the menu's accelerators choose the command
("nowy": Alt+menu letter, n, then "Pierwsze wolne" in the account box;
"pkpir": Alt+menu letter, p, account 1 typed);
the clock starts at the Enter that opens the editor and stops when the
window manager reports the editor as the active window, polled every 2 ms;
Escape closes it again. Prints the median, best and worst per editor and
the load average before and after.

Other work on the machine stretches every time: `chrt -f 10` before the
script runs it, the X server, the window manager and the program ahead of
ordinary processes, which measures the program as on an idle machine.
"""
import argparse
import ctypes
import ctypes.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# Form label, its menu's accelerator letter, and whether it has "z PKPiR".
FORMS = {
    "NIP-1": ("1", True),
    "NIP-2": ("2", True),
    "NIP-3": ("3", False),
    "VAT-R": ("r", True),
    "VAT-21": ("t", False),
    "VAT-Z": ("z", False),
    "NIP-B": ("b", True),
}

POLL_SECONDS = 0.002


class X:
    """The few Xlib and XTest calls the measurement needs, through ctypes."""

    def __init__(self, display):
        self.xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
        self.xtst = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst"))
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.xlib.XInternAtom.restype = ctypes.c_ulong
        self.xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.xlib.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))]
        self.xlib.XFree.argtypes = [ctypes.c_void_p]
        self.xlib.XFlush.argtypes = [ctypes.c_void_p]
        self.xlib.XStringToKeysym.restype = ctypes.c_ulong
        self.xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.xlib.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = self.xlib.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)
        self.root = self.xlib.XDefaultRootWindow(self.dpy)
        self.active_atom = self.atom("_NET_ACTIVE_WINDOW")
        self.name_atom = self.atom("_NET_WM_NAME")

    def atom(self, name):
        return self.xlib.XInternAtom(self.dpy, name.encode(), 0)

    def _property(self, window, atom):
        actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
        count, after = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ubyte)()
        status = self.xlib.XGetWindowProperty(self.dpy, window, atom, 0, 1024, 0, 0, ctypes.byref(actual_type),
                                              ctypes.byref(actual_format), ctypes.byref(count),
                                              ctypes.byref(after), ctypes.byref(data))
        if status != 0 or not data:
            return None, 0, 0
        if actual_format.value == 32:
            values = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[: count.value]
        else:
            values = bytes(data[: count.value])
        self.xlib.XFree(data)
        return values, actual_format.value, count.value

    def window_manager_running(self):
        values, fmt, count = self._property(self.root, self.atom("_NET_SUPPORTING_WM_CHECK"))
        return fmt == 32 and count > 0

    def active_window(self):
        values, fmt, count = self._property(self.root, self.active_atom)
        return values[0] if fmt == 32 and count else 0

    def window_name(self, window):
        if not window:
            return ""
        values, fmt, _ = self._property(window, self.name_atom)
        return values.decode("utf-8", "replace") if fmt == 8 else ""

    def active_name(self):
        return self.window_name(self.active_window())

    def keycode(self, keysym):
        return self.xlib.XKeysymToKeycode(self.dpy, self.xlib.XStringToKeysym(keysym.encode()))

    def press(self, *keysyms):
        """Presses the keys in order and releases them in reverse (a chord)."""
        codes = [self.keycode(k) for k in keysyms]
        for code in codes:
            self.xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        for code in reversed(codes):
            self.xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        self.xlib.XFlush(self.dpy)


def wait_for(condition, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if condition():
            return
        time.sleep(POLL_SECONDS)
    raise RuntimeError("timed out waiting for " + what)


def load_average():
    return "%.2f %.2f %.2f" % os.getloadavg()


def start(build_dir, display, data_dir):
    environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes = [server]
    try:
        deadline = time.monotonic() + 10
        while True:
            try:
                x = X(display)
                break
            except RuntimeError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.05)
        processes.append(subprocess.Popen(["openbox"], env=environment, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL))
        # A window mapped before the window manager runs is never made active.
        wait_for(x.window_manager_running, 10, "openbox")
        program = os.path.join(build_dir, "src", "desktop", "app", "zgloszenia")
        processes.append(subprocess.Popen([program], cwd=data_dir, env=environment, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL))
        wait_for(lambda: x.active_name().startswith("Zgłoszenia"), 20, "the main window")
        return x, processes
    except BaseException:
        stop(processes)
        raise


def stop(processes):
    for process in reversed(processes):
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def open_chooser(x, main, letter, command):
    x.press("Alt_L", letter)
    time.sleep(0.15)
    x.press(command)
    wait_for(lambda: x.active_window() not in (0, main), 5, "the chooser")
    time.sleep(0.15)


def time_editor(x, main, form, mode):
    letter, _ = FORMS[form]
    if mode == "nowy":
        open_chooser(x, main, letter, "n")
        x.press("Alt_L", "p")
    else:
        open_chooser(x, main, letter, "p")
        x.press("1")
    time.sleep(0.15)
    chooser = x.active_window()
    started = time.monotonic()
    x.press("Return")
    wait_for(lambda: x.active_window() not in (0, main, chooser) and form in x.active_name(), 5,
             form + " editor")
    elapsed = time.monotonic() - started
    time.sleep(0.1)
    x.press("Escape")
    wait_for(lambda: x.active_window() == main, 5, "the main window after closing " + form)
    time.sleep(0.2)
    return elapsed * 1000.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir")
    parser.add_argument("--repeat", type=int, default=10)
    parser.add_argument("--mode", choices=("nowy", "pkpir"), default="nowy")
    parser.add_argument("--display", default=":71")
    parser.add_argument("forms", nargs="*", default=list(FORMS))
    args = parser.parse_intermixed_args()
    # The program runs in the data directory.
    args.build_dir = os.path.abspath(args.build_dir)
    forms = [f for f in args.forms if args.mode == "nowy" or FORMS[f][1]]

    data_dir = tempfile.mkdtemp(prefix="zg-measure-")
    try:
        demo = os.path.join(args.build_dir, "tools", "zgloszenia-demo")
        subprocess.run([demo, data_dir, "--taxpayers", "60", "--mode", "1"], check=True)
        x, processes = start(args.build_dir, args.display, data_dir)
        try:
            main_window = x.active_window()
            print("load average before: " + load_average())
            print("%-7s %8s %8s %8s  (ms, %d openings, mode %s)" % ("editor", "median", "best", "worst",
                                                                    args.repeat, args.mode))
            for form in forms:
                times = [time_editor(x, main_window, form, args.mode) for _ in range(args.repeat)]
                print("%-7s %8.1f %8.1f %8.1f" % (form, statistics.median(times), min(times), max(times)),
                      flush=True)
            print("load average after: " + load_average())
        finally:
            stop(processes)
    finally:
        shutil.rmtree(data_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
