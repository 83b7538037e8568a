#!/usr/bin/python3
# One look at, or one action on, a window of a running program through the
# accessibility bus, as a screen reader does it; its answer is printed as
# JSON. Each look is a process of its own, ended by a time limit: a call
# that a program busy starting never answers then costs one look, not the
# test.
#   atspi_reader.py PROGRAM TITLE OPERATION [ARGUMENT...]
import json
import sys

import pyatspi

ROLES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_TEXT,
         pyatspi.ROLE_LABEL, pyatspi.ROLE_SLIDER}


def _children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def _walk(acc):
    for child in _children(acc):
        yield child
        yield from _walk(child)


def _text(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def editor(acc):
    if acc.getRole() == pyatspi.ROLE_COMBO_BOX:
        return next((c for c in _children(acc) if c.getRole() == pyatspi.ROLE_TEXT), None)
    return acc if acc.getRole() == pyatspi.ROLE_TEXT else None


def _place(acc):
    return tuple(acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))


def _focused_within(acc):
    return acc.getState().contains(pyatspi.STATE_FOCUSED) or any(_focused_within(c) for c in _children(acc))


def program(name):
    """The running program name on the bus, or None. Nothing is cached:
    each look reads the program as it is now."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in _children(desktop):
        try:
            if app.name == name:
                app.setCacheMask(pyatspi.cache.NONE)
                return app
        except Exception:  # a program leaving the bus meanwhile
            continue
    return None


def root(program_name, title):
    app = program(program_name)
    if app is None:
        return None
    return next((w for w in _children(app) if w.name == title
                 and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def controls(window):
    """The window's controls in tab order, each before what it holds (a
    combo before its entry): where find looks."""
    return (a for a in _walk(window) if a.getRole() in ROLES)


def named(window, name, roles=ROLES):
    """The control named name, the outermost (a combo, not its entry), or
    None; roles narrows it where a label shares the name of what it labels."""
    return next((a for a in controls(window) if a.name == name and a.getRole() in roles), None)


def find(window, name):
    found = named(window, name)
    if found is None:
        sys.exit(f"no control named {name!r}")
    return found


def state_of(acc):
    states = acc.getState()
    field = editor(acc)
    return {"enabled": states.contains(pyatspi.STATE_ENABLED), "focused": _focused_within(acc),
            "text": _text(field) if field is not None else acc.name,
            "pressed": states.contains(pyatspi.STATE_CHECKED) or states.contains(pyatspi.STATE_PRESSED),
            "description": acc.description, "place": _place(acc)}


def state(window, name):
    return state_of(find(window, name))


def focused(window):
    return next((a.name for a in _walk(window) if a.getRole() in ROLES and a.name and _focused_within(a)), None)


def readout(window, label):
    """The text of the read-only field right of the label on its row."""
    lx, ly, lw, lh = _place(find(window, label))
    row = [a for a in _walk(window) if a.getRole() == pyatspi.ROLE_TEXT and not a.name
           and abs(_place(a)[1] + _place(a)[3] / 2 - (ly + lh / 2)) <= lh and _place(a)[0] > lx]
    if not row:
        sys.exit(f"no field beside {label!r}")
    return _text(min(row, key=lambda a: _place(a)[0]))


def rows(window, name):
    """The text of each row of the list named name, top to bottom: what a
    screen reader reads line by line (a list is a table of one column)."""
    table = next((a for a in _walk(window) if a.name == name
                  and a.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST)), None)
    if table is None:
        sys.exit(f"no list named {name!r}")
    # A cell's name is its text: one call a row.
    cells = (c for c in _children(table) if c.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM))
    return [c.name for c in cells]


def click_place(window, name):
    """Where a click reaches the control: a combo's entry, else itself."""
    acc = find(window, name)
    return _place(editor(acc) or acc)


def shown(window):
    return True


def main():
    program_name, title, operation, *arguments = sys.argv[1:]
    window = root(program_name, title)
    if window is None:
        sys.exit(f"no window {title} of {program_name}")
    print(json.dumps(globals()[operation](window, *arguments)))


if __name__ == "__main__":
    main()
