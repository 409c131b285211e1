#!/usr/bin/python3
"""Checks a real zentaro from outside, through X, on an X server of its own.

usage: check_window.py --title TITLE [--solve VOLTS AMPS REFERENCE.png]
                       [--shot OUT.png] -- COMMAND...

Starts a private Xvfb (96 DPI), runs COMMAND on it, and checks, each as one
line "ok: ..." or "FAIL: ...":
  - a window titled TITLE is mapped and painted;
  - with --solve: with the keyboard focus given to it, typing VOLTS, Tab,
    AMPS and pressing Solve (Tab Tab Space) writes the result line exactly as
    REFERENCE.png shows it (screenshot_tool --solve VOLTS AMPS, rendered by Qt
    on an X server like this one);
  - the close box (WM_DELETE_WINDOW, as a window manager sends it) ends the
    program, with exit status 0.
--shot writes the window as it looks at the end (after the Solve).
Exit status: the number of failed checks.
"""
import argparse, os, select, subprocess, sys, tempfile, time

from Xlib import X, display as xdisplay
from Xlib.ext import damage

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from x_window import (Report, close_and_wait, image_of, key, same_in_box,  # noqa: E402
                      takes_close_box, title_of)

parser = argparse.ArgumentParser()
parser.add_argument("--title", required=True)
parser.add_argument("--solve", nargs=3, metavar=("VOLTS", "AMPS", "REFERENCE"))
parser.add_argument("--shot")
parser.add_argument("--timeout", type=float, default=20, help="seconds to wait for the window")
parser.add_argument("command", nargs="+")
args = parser.parse_args()

report = Report()


def start_x_server():
    """A private X server on a display number it picks, so that parallel
    runs cannot meet; returns the process and the display's name."""
    read_fd, write_fd = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                               "-dpi", "96", "-nolisten", "tcp"], pass_fds=[write_fd],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    while select.select([read_fd], [], [], 10)[0]:
        chunk = os.read(read_fd, 16)
        number += chunk
        if not chunk or number.endswith(b"\n"):
            break
    os.close(read_fd)
    if not number.strip():
        server.kill()
        print("FAIL: Xvfb did not start", flush=True)
        sys.exit(1)
    return server, ":" + number.decode().strip()


server, name = start_x_server()
runtime_dir = tempfile.TemporaryDirectory()
proc = None
disp = xdisplay.Display(name)
root = disp.screen().root


def events(seconds):
    deadline = time.monotonic() + seconds
    while True:
        while disp.pending_events():
            yield disp.next_event()
        left = deadline - time.monotonic()
        if left <= 0 or (proc and proc.poll() is not None):
            return
        select.select([disp.fileno()], [], [], min(left, 0.2))


def settled_image_of(window, seconds=10):
    """The window once two looks a moment apart agree: under emulation a
    paint can take a while to land."""
    from PIL import ImageChops
    before = image_of(window)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        time.sleep(0.5)
        now = image_of(window)
        if ImageChops.difference(before, now).getbbox() is None:
            return now
        before = now
    return before


try:
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    disp.damage_query_version()  # the server refuses Damage requests before this
    root.damage_create(damage.DamageReportRawRectangles)
    disp.sync()
    env = {k: v for k, v in os.environ.items()
           if not k.startswith("QT_") and k not in ("WAYLAND_DISPLAY",)}
    env.update(DISPLAY=name, XDG_RUNTIME_DIR=runtime_dir.name)
    proc = subprocess.Popen(args.command, env=env, stdin=subprocess.DEVNULL)

    window = None
    painted = False
    for event in events(args.timeout):
        if window is None and event.type == X.MapNotify and title_of(disp, event.window) == args.title:
            window = event.window
        elif window is not None and event.type == disp.extension_event.DamageNotify:
            painted = True
            break
    report(window is not None, f"a window titled {args.title!r} is shown (exit status {proc.poll()})")
    if window is None:
        sys.exit(report.failed)
    report(painted, "the window is painted")

    if args.solve:
        from PIL import Image
        volts, amps, reference = args.solve
        settled_image_of(window)
        # No window manager: give the window the keyboard as one would.
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        disp.sync()
        time.sleep(0.5)
        for name_ in (*volts, "Tab", *amps, "Tab", "Tab", "space"):
            key(disp, {".": "period"}.get(name_, name_))
        shown = settled_image_of(window)
        wanted = Image.open(reference).convert("RGB")
        # The result line: name, value and unit, from x 4 to 397 and y 188
        # to 221 (the box the loader places them in).
        box = (4, 188, 397, 221)
        same = same_in_box(shown, wanted, box)
        report(same, f"typing {volts} and {amps} and pressing Solve shows the result line as "
                     f"{reference} does (window {shown.size}, reference {wanted.size})")
        if args.shot:
            shown.save(args.shot)
    elif args.shot:
        settled_image_of(window).save(args.shot)

    report(takes_close_box(disp, window), "the window takes WM_DELETE_WINDOW")
    close_and_wait(disp, window, proc, report)
finally:
    if proc and proc.poll() is None:
        proc.kill()
        proc.wait()
    server.terminate()
    server.wait()
    runtime_dir.cleanup()
sys.exit(report.failed)
