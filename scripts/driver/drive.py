#!/usr/bin/python3
# The driver from a shell, for the window tests still written as scripts:
#   drive.py display [--screen WxH] [--bus] -- COMMAND...
#       runs COMMAND on an X server of its own (Xvfb picks a free display),
#       with a session bus of its own on it when --bus is given
#   drive.py click linux PROGRAM TITLE NAME    a pointer click on the control
#   drive.py click wine PANEL_PROBE TITLE NAME named NAME (see resources.py)
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from driver import linux_panel, resources, wine_panel  # noqa: E402
from driver.session import Failure, Session  # noqa: E402


def window(build, where, title):
    if build == "linux":
        return linux_panel.Window(where, title)
    controls = resources.trend() if title == "Andamento" else resources.panel()
    return wine_panel.Window(where, title, controls, ["trend"] if title == "Andamento" else [])


def main():
    verb, *rest = sys.argv[1:]
    if verb == "display":
        split = rest.index("--")
        options, command = rest[:split], rest[split + 1:]
        screen = options[options.index("--screen") + 1] if "--screen" in options else "1024x768"
        session = Session(" ".join(command[:1]))
        try:
            session.display(screen)
            if "--bus" in options:
                session.session_bus()
            return subprocess.run(command).returncode
        except (Failure, OSError) as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            return 1
        finally:
            session.end()
    if verb != "click":
        print(f"drive.py: unknown verb {verb}", file=sys.stderr)
        return 2
    build, where, title, name = rest
    try:
        target = window(build, where, title)
        target.click(name)
    except Failure as failure:
        print(f"FAIL: {verb} {name}: {failure}", file=sys.stderr)
        return 1
    return 0


sys.exit(main())
