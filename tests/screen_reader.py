#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Takes level 1 by keys alone while listening on the desktop's accessibility bus as a screen
# reader does: every window and focusable control is named and its focus marked, the answer
# buttons say their options, and each move of the focus brings the question, the outcome or, at
# the end, the marks. Run in dbus-run-session: screen_reader.py PROGRAM LEVEL1-BANK.tsv
import atexit
import os
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from gi.repository import Gio, GLib

program, bankfile = sys.argv[1], sys.argv[2]
quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
started = []  # ended however the test ends, so that none holds CTest's output open
atexit.register(lambda: [process.kill() for process in started])


def fail(message):
    sys.exit(f"FAIL: {message}")


def eventually(what, check, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        if result := check():
            return result
        time.sleep(0.02)
    fail(what() if callable(what) else what)


read, write = os.pipe()  # Xvfb picks a free display and writes its number here
screen_dir = tempfile.TemporaryDirectory()  # where Xvfb keeps its screen as an XWD image
started.append(subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen",
                                 "0", "800x600x24", "-fbdir", screen_dir.name], pass_fds=[write],
                                **quiet))
os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
# The launcher ends with the session bus, taking the accessibility bus with it.
subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], **quiet)
session = Gio.bus_get_sync(Gio.BusType.SESSION)
eventually("no accessibility bus", lambda: session.call_sync(
    "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
    GLib.Variant("(s)", ("org.a11y.Bus",)), None, 0, -1, None)[0])
import pyatspi  # noqa: E402  (it joins the accessibility bus as it is imported)

heard = []  # (role, name, description) of each control as it took the focus: what a reader says
pyatspi.Registry.registerEventListener(
    lambda e: e.detail1 and heard.append((e.source.getRoleName(), e.source.name,
                                          e.source.description)),
    "object:state-changed:focused")
started.append(app := subprocess.Popen([program], env=dict(
    os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
LEVEL = "Tessarine, Level 1"
enabled = lambda control: control.getState().contains(pyatspi.STATE_SENSITIVE)  # noqa: E731


def window(name):
    programs = [p for p in pyatspi.Registry.getDesktop(0) if p and p.name == "Tessarine"]
    return next((w for p in programs for w in p if w and w.name == name and
                 w.getState().contains(pyatspi.STATE_SHOWING)), None)


def marked(control):
    """Whether the screen is dark all around the control, as the focus mark makes it."""
    x, y, w, h = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xwd = Path(screen_dir.name, "Xvfb_screen0").read_bytes()
    header = struct.unpack(">25I", xwd[:100])  # then the colour map, then 32-bit pixels
    start, stride = header[0] + 12 * header[19], header[12]
    around = [(x - 1, y + h // 2), (x + w, y + h // 2), (x + w // 2, y - 1), (x + w // 2, y + h)]
    return all(max(xwd[start + py * stride + px * 4:][:3]) < 64 for px, py in around)


def screen(name, role):
    """The window's controls by name, once it is there; prints its tree and checks the names."""
    found = eventually(f"no window named {name!r}", lambda: window(name))
    if found.getRoleName() != role:
        fail(f"{name!r} is a {found.getRoleName()}, not a {role}")
    tree, lines = {}, [f"{role} {name!r}"]
    # A text box's fillers and scroll bars are parts of it.
    for c in pyatspi.findAllDescendants(found, lambda c: c.getRoleName() not in ("filler",
                                                                                 "scroll bar")):
        states = sorted(pyatspi.stateToString(s) for s in c.getState().getStates())
        lines.append(f"  {c.getRoleName()} {c.name!r} {','.join(states)}")
        if "focusable" in states and not c.name:
            fail(f"an unnamed {c.getRoleName()} takes the focus on {name!r}")
        if "focused" in states:
            eventually(f"{c.name!r} has the focus without a mark", lambda: marked(c))
        tree[c.name] = c
    print("\n".join(lines))
    return tree


def says(tree, *names):
    if missing := [name for name in names if name not in tree]:
        fail(f"nothing says {missing}; the names are {list(tree)}")


def press(keys, want=None):
    """Sends the keys to the newest window; waits to hear the wanted control take the focus."""
    # The newest window: no window manager hands the focus back when a window closes.
    newest = max(subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(app.pid)],
                                capture_output=True, text=True).stdout.split(), key=int)
    mark = len(heard)
    subprocess.run(["xdotool", "windowfocus", "--sync", newest, "key", "--delay", "2",
                    *keys.split()])
    match = want if callable(want) else lambda focus: focus == want
    if want:
        eventually(lambda: f"never heard {want}; heard {heard[mark:]}",
                   lambda: any(map(match, heard[mark:])))
    return heard[mark:]


with open(bankfile, encoding="ascii") as lines:  # question: (options, the right one's number)
    bank = {q: (o, c) for q, *o, c in (line.rstrip("\n").split("\t") for line in lines)}


def asked(number, keys):
    """Presses the keys that bring question `number` with option 1; checks what is heard."""
    said = press(keys, lambda focus: focus[1].startswith("Option 1: "))
    tree = screen(LEVEL, "frame")
    question = tree["Question"].queryText().getText(0, -1)
    options, correct = bank.get(question) or fail(f"{question!r} is not from level 1")
    want = ("push button", f"Option 1: {options[0]}", f"Question {number}: {question}")
    if want not in said:
        fail(f"never heard {want}; heard {said}")
    says(tree, f"Question Number {number}", *(f"Option {k}: {option}"
                                              for k, option in enumerate(options, 1)))
    return question, options, int(correct)


def answer(key, word, options, correct, marks):
    press(key, ("push button", "Next",
                f"{word}. The correct answer is {correct}: {options[correct - 1]}."))
    tree = screen(LEVEL, "frame")
    says(tree, f"Marks Obtained {marks}", f"Correct Answer {correct}")


screen("Tessarine", "frame")
press("alt+1", ("text", "Question", ""))
if any(enabled(screen(LEVEL, "frame")[f"Option {k}"]) for k in range(1, 5)):
    fail("an answer button is not heard as disabled before Start")
press("alt+s")  # Start by its access key from the question box, which keeps the focus
eventually("Start did not start", lambda: pyatspi.findDescendant(
    window(LEVEL), lambda c: c.name == "Question Number 1"))
q1, options, correct = asked(1, "Tab")
answer(f"alt+{correct}", "Right", options, correct, marks=1)
q2, options, correct = asked(2, "space")
answer(f"alt+{correct % 4 + 1}", "Wrong", options, correct, marks=1)

# The other 248 questions by Space alone, always option 1, and a last Next. Shift comes between,
# since two presses of a key within a millisecond would pass for a key held down.
marks = 1 + sum(c == "1" for q, (_, c) in bank.items() if q not in (q1, q2))
press("space shift " * (2 * 248 + 1), ("push button", "Quit",
                                        f"You have Completed this level. Marks Obtained {marks}."))
press("alt+q")
eventually("level 1 did not close on Quit", lambda: not window(LEVEL))
press("alt+x")
screen("About Tessarine", "dialog")
print("PASS: every screen and control named and marked; questions, outcomes and marks heard")
