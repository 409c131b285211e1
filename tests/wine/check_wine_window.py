#!/usr/bin/python3
"""Checks a real zentaro.exe under Wine from outside, through X.

usage: check-wine-window --title TITLE [--solve REFERENCE.png] [--probe UIA_PROBE]
                         [--announcements] [--shot OUT.png] -- COMMAND...

Starts COMMAND (e.g. wine64 zentaro.exe) with DISPLAY set to the X server named
by $DISPLAY, and checks, each as one line "ok: ..." or "FAIL: ...":
  - a window titled TITLE is mapped and painted;
  - with --solve: typing 10, Tab, 3 and pressing Solve (Tab Tab Space) writes
    the result line exactly as REFERENCE.png shows it (the calculator after
    the same Solve, rendered by Qt in the same Wine prefix);
  - with --probe: before the Solve, UI Automation, read from outside the
    program by the program UIA_PROBE (run with COMMAND's first word, e.g.
    wine64), gives the three fields their names, and their units as both
    HelpText and FullDescription;
  - with --announcements as well: COMMAND runs with WINEDEBUG=+uiautomation,
    and after that Solve and three more (10 and 4; all three fields filled;
    0 and 4, which brings the zero notice) its trace holds exactly one UI
    Automation notification per Solve, in order, with the text Orca speaks on
    Linux, the last one only once the notice is closed (Wine raises none to a
    client: the call is what can be seen);
  - the close box (WM_DELETE_WINDOW, as a window manager sends it) ends the
    process, with exit status 0.
--shot writes the window as it looks at the end (after the Solve).
Exit status: the number of failed checks.
"""
import argparse, os, re, subprocess, sys, tempfile, time

from Xlib import X, display as xdisplay, error as xerror

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from x_window import Report, close_and_wait, image_of, same_in_box, title_of  # noqa: E402
import x_window  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("--title", required=True)
parser.add_argument("--solve")
parser.add_argument("--probe")
parser.add_argument("--announcements", action="store_true")
parser.add_argument("--shot")
parser.add_argument("--scale", type=float, default=1.0, help="device pixels per logical pixel")
parser.add_argument("command", nargs="+")
args = parser.parse_args()

report = Report()


disp = xdisplay.Display()
root = disp.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
disp.sync()


def find_window(seconds, wanted=lambda child: title_of(disp, child) == args.title):
    """The mapped top-level window that `wanted` picks (by default the one
    titled as wanted), searched by walking the tree, since Wine may name a
    window after it is mapped."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while disp.pending_events():
            disp.next_event()
        for child in root.query_tree().children:
            try:
                if child.get_attributes().map_state == X.IsViewable and wanted(child):
                    return child
            except xerror.XError:
                pass
        if proc.poll() is not None:
            return None
        time.sleep(0.25)
    return None


def key(name):
    x_window.key(disp, name)


def probe_fields():
    """Checks what UI Automation reads of the fields, from outside."""
    try:
        out = subprocess.run([args.command[0], args.probe, args.title], capture_output=True,
                             timeout=60, stdin=subprocess.DEVNULL).stdout
        lines = out.decode("utf-8", "replace").replace("\r", "").splitlines()
    except subprocess.TimeoutExpired:
        lines = ["(the probe did not answer within 60 s)"]
    for name, unit in (("Voltage", "Volts"), ("Current", "Amps"), ("Resistance", "Ohms")):
        wanted = f"edit name={name} help={unit} description={unit}"
        report(wanted in lines, f"UI Automation reads the field {name!r} with its unit {unit!r} "
                                f"as HelpText and FullDescription, from outside")
    report(len(lines) == 3, f"UI Automation finds three edit fields (read {' | '.join(lines)!r})")


def notifications(trace_path):
    """The texts of the UI Automation notifications raised, in order, from
    Wine's +uiautomation trace of UiaRaiseNotificationEvent."""
    texts = []
    with open(trace_path, encoding="utf-8", errors="replace") as trace:
        for line in trace:
            if "UiaRaiseNotificationEvent" in line:
                quoted = re.findall(r'L"((?:[^"\\]|\\.)*)"', line)
                if quoted:
                    texts.append(quoted[0])
    return texts


environment = dict(os.environ)
trace_file = None
if args.announcements:
    environment["WINEDEBUG"] = "+uiautomation"
    trace_file = tempfile.NamedTemporaryFile(prefix="zentaro-uia-", suffix=".log", delete=False)
proc = subprocess.Popen(args.command, stdin=subprocess.DEVNULL, env=environment,
                        stderr=trace_file if trace_file else None)
try:
    window = find_window(90)
    report(window is not None, f"a window titled {args.title!r} is shown")
    if window is None:
        sys.exit(report.failed)
    time.sleep(2)  # let Wine finish its first paint

    if args.probe:
        probe_fields()

    if args.solve:
        # No window manager: give the window the keyboard as one would.
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        disp.sync()
        time.sleep(0.5)
        for name in ("1", "0", "Tab", "3", "Tab", "Tab", "space"):
            key(name)
        time.sleep(1.5)
        from PIL import Image
        shown = image_of(window)
        reference = Image.open(args.solve).convert("RGB")
        # The result line: name, value and unit, from x 4 to 397 and y 188
        # to 221 in logical pixels (the same box the loader places them in).
        s = args.scale
        box = (round(4 * s), round(188 * s), round(397 * s), round(221 * s))
        same = same_in_box(shown, reference, box)
        report(same, "typing 10 and 3 and pressing Solve shows the expected result line "
                     f"(window {shown.size}, reference {reference.size})")
        if args.announcements:
            # Back to Current, whose text Tab selects, so typing replaces it.
            for name in ("shift+Tab", "shift+Tab", "4", "Tab", "Tab", "space"):
                key(name)
            time.sleep(1.0)
            for name in ("shift+Tab", "1", "Tab", "space"):
                key(name)
            time.sleep(1.0)
            # 0, 4 and nothing: the zero notice comes first, and the result
            # may be announced only once it is gone.
            for name in ("shift+Tab", "BackSpace", "shift+Tab", "shift+Tab", "0",
                         "Tab", "Tab", "Tab", "space"):
                key(name)
            # The message box: any other titled window.
            notice = find_window(10, lambda c: c.id != window.id and bool(title_of(disp, c)))
            report(notice is not None, "a zero notice shows")
            if notice is not None:
                time.sleep(1.0)
                trace_file.flush()
                before_notice_closed = len(notifications(trace_file.name))
                notice.set_input_focus(X.RevertToParent, X.CurrentTime)
                disp.sync()
                time.sleep(0.3)
                key("Return")
                time.sleep(1.5)
                report(before_notice_closed == 3,
                       "nothing is announced while the zero notice shows "
                       f"({before_notice_closed - 3} more than before)")
        if args.shot:
            shown.save(args.shot)
    elif args.shot:
        image_of(window).save(args.shot)

    close_and_wait(disp, window, proc, report)
finally:
    if proc.poll() is None:
        proc.kill()
        proc.wait()
if trace_file:
    trace_file.close()
    said = notifications(trace_file.name)
    wanted = ["Resistance 3.333 Ohms", "Resistance 2.5 Ohms", "OOOps..A Mistake !",
              "OOOps..A Mistake !"]
    report(said == wanted, "one UI Automation notification per Solve, with the text Orca speaks: "
                           f"{' | '.join(said) or '(none)'}")
    os.unlink(trace_file.name)
sys.exit(report.failed)
