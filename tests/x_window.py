"""What the checks of a real program's window do through X, as a user and
a window manager would: read a window's title and pixels, press keys, and
click the close box. Shared by tests/linux/check_window.py (zentaro on
Linux, natively or under qemu-user) and tests/wine/check_wine_window.py
(zentaro.exe under Wine)."""
import time

from Xlib import X, XK, Xatom, error as xerror, protocol
from Xlib.ext import xtest


def title_of(disp, window):
    """The window's title, or None."""
    try:
        for atom in (disp.intern_atom("_NET_WM_NAME"), Xatom.WM_NAME):
            prop = window.get_full_property(atom, X.AnyPropertyType)
            if prop and prop.value:
                v = prop.value
                return v.decode("utf-8", "replace") if isinstance(v, bytes) else str(v)
    except xerror.XError:
        pass
    return None


def key(disp, name):
    """Presses and releases a key; "shift+Tab" holds Shift around it."""
    *modifiers, name = name.split("+")
    held = [disp.keysym_to_keycode(XK.string_to_keysym("Shift_L")) for _ in modifiers]
    code = disp.keysym_to_keycode(XK.string_to_keysym(name))
    for m in held:
        xtest.fake_input(disp, X.KeyPress, m)
    xtest.fake_input(disp, X.KeyPress, code)
    xtest.fake_input(disp, X.KeyRelease, code)
    for m in reversed(held):
        xtest.fake_input(disp, X.KeyRelease, m)
    disp.sync()
    time.sleep(0.15)


def image_of(window):
    """The window's pixels, as a PIL image."""
    from PIL import Image  # only the checks that look at pixels need it
    geometry = window.get_geometry()
    raw = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
    return Image.frombytes("RGB", (geometry.width, geometry.height), raw.data, "raw", "BGRX")


def same_in_box(shown, wanted, box):
    """Whether two pictures of one size agree, pixel for pixel, in box."""
    from PIL import ImageChops
    return (shown.size == wanted.size and
            ImageChops.difference(shown.crop(box), wanted.crop(box)).getbbox() is None)


def takes_close_box(disp, window):
    """Whether the window asks to be told of its close box (WM_DELETE_WINDOW)."""
    offered = window.get_full_property(disp.intern_atom("WM_PROTOCOLS"), Xatom.ATOM)
    return bool(offered) and disp.intern_atom("WM_DELETE_WINDOW") in offered.value


def click_close_box(disp, window):
    """What a window manager sends when the user clicks the close box."""
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    disp.flush()


def close_and_wait(disp, window, proc, report):
    """Clicks the close box and checks that the program ends, with status 0."""
    import subprocess
    click_close_box(disp, window)
    try:
        status = proc.wait(30)
        report(status == 0, f"the close box ends the program (exit status {status})")
    except subprocess.TimeoutExpired:
        report(False, "the program did not end within 30 s of its close box")


class Report:
    """Prints each check's outcome as one line, "ok: ..." or "FAIL: ...",
    and counts the failures, which the check's exit status gives."""

    def __init__(self):
        self.failed = 0

    def __call__(self, ok, what):
        print(("ok: " if ok else "FAIL: ") + what, flush=True)
        self.failed += 0 if ok else 1
