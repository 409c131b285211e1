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

from Xlib import X, XK, Xatom, display as xdisplay, error as xerror, protocol
from Xlib.ext import damage, xtest

parser = argparse.ArgumentParser()
parser.add_argument("--title", required=True)
parser.add_argument("--solve", nargs=3, metavar=("VOLTS", "AMPS", "REFERENCE"))
parser.add_argument("--shot")
parser.add_argument("--timeout", type=float, default=20, help="seconds to wait for the window")
parser.add_argument("command", nargs="+")
args = parser.parse_args()

failed = 0


def report(ok, what):
    global failed
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    failed += 0 if ok else 1


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


def title_of(window):
    try:
        for atom in (disp.intern_atom("_NET_WM_NAME"), Xatom.WM_NAME):
            prop = window.get_full_property(atom, X.AnyPropertyType)
            if prop and prop.value:
                v = prop.value
                return v.decode("utf-8", "replace") if isinstance(v, bytes) else str(v)
    except xerror.XError:
        pass
    return None


def events(seconds):
    deadline = time.monotonic() + seconds
    while True:
        while disp.pending_events():
            yield disp.next_event()
        left = deadline - time.monotonic()
        if left <= 0 or (proc and proc.poll() is not None):
            return
        select.select([disp.fileno()], [], [], min(left, 0.2))


def key(name):
    code = disp.keysym_to_keycode(XK.string_to_keysym(name))
    xtest.fake_input(disp, X.KeyPress, code)
    xtest.fake_input(disp, X.KeyRelease, code)
    disp.sync()
    time.sleep(0.2)


def image_of(window):
    from PIL import Image
    geometry = window.get_geometry()
    raw = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
    return Image.frombytes("RGB", (geometry.width, geometry.height), raw.data, "raw", "BGRX")


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
        if window is None and event.type == X.MapNotify and title_of(event.window) == args.title:
            window = event.window
        elif window is not None and event.type == disp.extension_event.DamageNotify:
            painted = True
            break
    report(window is not None, f"a window titled {args.title!r} is shown (exit status {proc.poll()})")
    if window is None:
        sys.exit(failed)
    report(painted, "the window is painted")

    if args.solve:
        from PIL import Image, ImageChops
        volts, amps, reference = args.solve
        settled_image_of(window)
        # No window manager: give the window the keyboard as one would.
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        disp.sync()
        time.sleep(0.5)
        for name_ in (*volts, "Tab", *amps, "Tab", "Tab", "space"):
            key({".": "period"}.get(name_, name_))
        shown = settled_image_of(window)
        wanted = Image.open(reference).convert("RGB")
        # The result line: name, value and unit, from x 4 to 397 and y 188
        # to 221 (the box the loader places them in).
        box = (4, 188, 397, 221)
        same = (shown.size == wanted.size and
                ImageChops.difference(shown.crop(box), wanted.crop(box)).getbbox() is None)
        report(same, f"typing {volts} and {amps} and pressing Solve shows the result line as "
                     f"{reference} does (window {shown.size}, reference {wanted.size})")
        if args.shot:
            shown.save(args.shot)
    elif args.shot:
        settled_image_of(window).save(args.shot)

    # What a window manager sends when the user clicks the close box.
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    offered = window.get_full_property(protocols, Xatom.ATOM)
    report(bool(offered) and delete in offered.value, "the window takes WM_DELETE_WINDOW")
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    disp.flush()
    try:
        status = proc.wait(30)
        report(status == 0, f"the close box ends the program (exit status {status})")
    except subprocess.TimeoutExpired:
        report(False, "the program did not end within 30 s of its close box")
finally:
    if proc and proc.poll() is None:
        proc.kill()
        proc.wait()
    server.terminate()
    server.wait()
    runtime_dir.cleanup()
sys.exit(failed)
