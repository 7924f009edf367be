#!/usr/bin/python3
"""A screen reader's press on a waiter key, through the desktop's accessibility bus alone.

The terminal runs full screen under the X server it is given (a tablet's 800 x 1280, at the scale the terminal picks
for it), on a session bus of its own, started on caisse-sim. The reader finds the waiter "Camille" among the showing
buttons, finds the same key under the middle of its box on the screen, presses it, and sees the code panel: the code
box showing with the focus and the waiter keys under it no longer showing.

Arguments: the commande executable, the caisse-sim executable, the restaurant data. Exits 77 (skipped) with a message
when python3-pyatspi or dbus-run-session is missing.
"""

import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
ADDRESS = "127.0.0.138"


def skip(why):
    print(f"atspi: skipped: {why}")
    sys.exit(SKIPPED)


def fail(why):
    print(f"atspi: FAIL: {why}")
    sys.exit(1)


def until(what, check, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.2)
    fail(f"no {what} after {seconds} s")


def showing(accessible):
    import pyatspi

    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def descendants(root):
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        try:
            stack.extend(child for child in node if child is not None)
        except Exception:
            pass


def find(root, role, name):
    for node in descendants(root):
        try:
            if node.getRole() == role and node.name == name:
                return node
        except Exception:
            pass
    return None


def read_and_press(commande, caisse_sim, data):
    import pyatspi

    home = tempfile.mkdtemp(prefix="atspi-")
    os.makedirs(os.path.join(home, "Documents"))
    with open(os.path.join(home, "Documents", "Iquillobrands.dat"), "w") as settings:
        settings.write(f"[data]\n0={ADDRESS}\n")

    register = subprocess.Popen([caisse_sim, "--address", ADDRESS, "--data", data], stdout=subprocess.PIPE, text=True)
    terminal = None
    try:
        if "listening" not in register.stdout.readline():
            fail("caisse-sim did not listen")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_IM_MODULE="")
        env.pop("QT_SCALE_FACTOR", None)
        terminal = subprocess.Popen([commande, "--fullscreen"], env=env)
        launches = 1

        def application():
            nonlocal terminal, launches
            # the X server may still be coming up when the terminal first looks for it
            if terminal.poll() is not None:
                if launches == 5:
                    fail("the terminal ends at once, five times over")
                time.sleep(0.5)
                terminal = subprocess.Popen([commande, "--fullscreen"], env=env)
                launches += 1
            desktop = pyatspi.Registry.getDesktop(0)
            return next((app for app in desktop if app is not None and app.name == "commande"), None)

        app = until("terminal on the accessibility bus", application)
        frame = until("window", lambda: next(iter(app), None))
        if frame.name != "Form1":
            fail(f"the window is named {frame.name!r}")
        key = until("waiter key Camille showing",
                    lambda: (lambda k: k if k is not None and showing(k) else None)(
                        find(frame, pyatspi.ROLE_PUSH_BUTTON, "Camille")))

        # boxes in the screen's pixels: the window fills the 800 x 1280 screen, and the key is found under its middle
        window = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if window.width < 780 or window.height < 1250:
            fail(f"the window reads {window.width} x {window.height} on an 800 x 1280 screen")
        box = key.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        middle = (box.x + box.width // 2, box.y + box.height // 2)
        at = frame.queryComponent().getAccessibleAtPoint(middle[0], middle[1], pyatspi.DESKTOP_COORDS)
        while at is not None and at.childCount and at.name != "Camille":
            deeper = at.queryComponent().getAccessibleAtPoint(middle[0], middle[1], pyatspi.DESKTOP_COORDS)
            if deeper is None:
                break
            at = deeper
        if at is None or at.name != "Camille":
            fail(f"under the middle {middle} of Camille's key {box.x, box.y, box.width, box.height}: "
                 f"{None if at is None else at.name!r}")

        action = key.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            fail(f"Camille's key has the actions {names}")
        action.doAction(names.index("Press"))

        code = until("code box showing",
                     lambda: (lambda box: box if box is not None and showing(box) else None)(
                         find(frame, pyatspi.ROLE_TEXT, "Entrez votre code")))
        until("focus on the code box", lambda: code.getState().contains(pyatspi.STATE_FOCUSED))
        until("waiter keys hidden by the code panel", lambda: not showing(key))
        print(f"atspi: Camille pressed through the bus at {middle} of an {window.width} x {window.height} window; "
              "the code panel shows, its box holds the focus")
    finally:
        if terminal is not None:
            terminal.terminate()
            terminal.wait(10)
        register.terminate()
        register.wait(10)
        shutil.rmtree(home, ignore_errors=True)


def main():
    if importlib.util.find_spec("pyatspi") is None:
        skip("python3-pyatspi is not installed (scripts/setup installs it)")
    if "COMMANDE_ATSPI_BUS" not in os.environ:
        # a session bus of the test's own, on which the accessibility bus is started for this terminal alone
        if shutil.which("dbus-run-session") is None:
            skip("dbus-run-session is missing")
        os.environ["COMMANDE_ATSPI_BUS"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)
    if len(sys.argv) != 4:
        fail("usage: atspi_press.py COMMANDE CAISSE_SIM RESTAURANT_JSON")
    read_and_press(*sys.argv[1:])


if __name__ == "__main__":
    main()
