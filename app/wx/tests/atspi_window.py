#!/usr/bin/python3
# Reads a window of the running program named $1 through the accessibility
# bus: exits 1 when the program shows no window titled $2, else prints one
# line per control inside it, "role<TAB>name<TAB>showing".
import sys

import pyatspi

from atspi_program import program, shown_windows


def controls(acc, out):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX):
            showing = int(child.getState().contains(pyatspi.STATE_SHOWING))
            out.append(f"{child.getRoleName()}\t{child.name}\t{showing}")
        else:
            controls(child, out)
    return out


def main():
    app = program(sys.argv[1])
    shown = shown_windows(app, sys.argv[2])
    if not shown:
        windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
        names = ", ".join(w.name for w in windows if w is not None)
        sys.exit(f"no window titled {sys.argv[2]} in {sys.argv[1]} (its windows: {names})")
    print(f"windows\t{len(shown)}")
    for line in controls(shown[0], []):
        print(line)


main()
