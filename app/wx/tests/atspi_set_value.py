#!/usr/bin/python3
# Sets the value of the first slider or spin button ($2: "slider" or
# "spin button") of the running program named $1 to $3 through the
# accessibility bus, as an assistive tool would.
import sys

import pyatspi

ROLES = {"slider": pyatspi.ROLE_SLIDER, "spin button": pyatspi.ROLE_SPIN_BUTTON}


def find(acc, role):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRole() == role:
            return child
        found = find(child, role)
        if found is not None:
            return found
    return None


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name == sys.argv[1]), None)
    if app is None:
        sys.exit(f"no program named {sys.argv[1]} on the accessibility bus")
    control = find(app, ROLES[sys.argv[2]])
    if control is None:
        sys.exit(f"no {sys.argv[2]} in {sys.argv[1]}")
    control.queryValue().currentValue = float(sys.argv[3])


main()
