# The running program named NAME as the accessibility bus shows it, and its
# shown windows of a title, for the scripts beside this one; a program that
# is not there ends the script.
import sys

import pyatspi


def program(name):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name == name), None)
    if app is None:
        sys.exit(f"no program named {name} on the accessibility bus")
    return app


def shown_windows(app, title):
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    return [w for w in windows if w is not None and w.name == title
            and w.getState().contains(pyatspi.STATE_SHOWING)]
