#!/usr/bin/python3
# Reads the panel window of the running program named $1 through the
# accessibility bus, as a screen reader would: one line per control in
# template (tab) order, "index<TAB>enabled<TAB>focused<TAB>text", where text
# is what an editor or a combo's entry holds, or a label's or button's name.
import sys

import pyatspi


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, -1)
    except NotImplementedError:
        return None


def focused_within(acc):
    if acc.getState().contains(pyatspi.STATE_FOCUSED):
        return True
    return any(focused_within(acc.getChildAtIndex(i)) for i in range(acc.childCount))


def shown_text(acc):
    if acc.getRole() == pyatspi.ROLE_COMBO_BOX:
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            if child.getRole() == pyatspi.ROLE_TEXT:
                return text_of(child)
    if acc.getRole() == pyatspi.ROLE_TEXT:
        return text_of(acc)
    return acc.name


def find_panel(acc):
    # The filler of the dialog holds one panel: the controls' parent.
    if acc.getRole() == pyatspi.ROLE_PANEL and acc.childCount > 10:
        return acc
    for i in range(acc.childCount):
        found = find_panel(acc.getChildAtIndex(i))
        if found is not None:
            return found
    return None


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name == sys.argv[1]), None)
    if app is None:
        sys.exit(f"no program named {sys.argv[1]} on the accessibility bus")
    panel = find_panel(app)
    if panel is None:
        sys.exit("no panel window in " + sys.argv[1])
    for i in range(panel.childCount):
        c = panel.getChildAtIndex(i)
        enabled = int(c.getState().contains(pyatspi.STATE_ENABLED))
        print(f"{i}\t{enabled}\t{int(focused_within(c))}\t{shown_text(c)}")


main()
