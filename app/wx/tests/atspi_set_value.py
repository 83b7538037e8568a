#!/usr/bin/python3
# Sets the value of the first slider ($2: "slider") of the running program
# named $1 to $3 through the accessibility bus, as an assistive tool would.
import sys

import pyatspi

from atspi_program import program

ROLES = {"slider": pyatspi.ROLE_SLIDER}


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
    app = program(sys.argv[1])
    control = find(app, ROLES[sys.argv[2]])
    if control is None:
        sys.exit(f"no {sys.argv[2]} in {sys.argv[1]}")
    control.queryValue().currentValue = float(sys.argv[3])


main()
