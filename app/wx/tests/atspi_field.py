#!/usr/bin/python3
# Reads, or gives the focus to, the text field with accessible name $2 of
# the running program named $1, through the accessibility bus:
#   atspi_field.py PROGRAM NAME        "text<TAB>description" of the field,
#                                      then one line per label showing in its
#                                      window: "label<TAB>its text"
#   atspi_field.py PROGRAM NAME focus  gives the field the keyboard focus
# The field is found as the window-test driver finds a control
# (scripts/driver/atspi_reader.py), among the text fields only: its label
# carries the same name.
import sys
from pathlib import Path

import pyatspi

from atspi_program import program

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver.atspi_reader import named  # noqa: E402


def walk(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from walk(child)


def main():
    app = program(sys.argv[1])
    for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
        if window is None:
            continue
        field = named(window, sys.argv[2], {pyatspi.ROLE_TEXT})
        if field is None:
            continue
        if sys.argv[3:] == ["focus"]:
            if not field.queryComponent().grabFocus():
                sys.exit(f"the field {sys.argv[2]} did not take the focus")
            return
        print(f"{field.queryText().getText(0, -1)}\t{field.description}")
        for label in walk(window):
            if label.getRole() == pyatspi.ROLE_LABEL and label.getState().contains(pyatspi.STATE_SHOWING):
                print(f"label\t{label.name}")
        return
    sys.exit(f"no text field named {sys.argv[2]} in {sys.argv[1]}")


main()
