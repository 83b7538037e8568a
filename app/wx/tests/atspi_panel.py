#!/usr/bin/python3
# Reads and drives the panel window of the running program named $1 through
# the accessibility bus, as a screen reader would.
#   atspi_panel.py NAME          one line per control in template (tab) order:
#                                "index<TAB>enabled<TAB>focused<TAB>text<TAB>name
#                                <TAB>pressed<TAB>description<TAB>x,y,w,h", where
#                                text is what an editor or a combo's entry holds,
#                                or a label's or button's name, and x,y,w,h its
#                                place on the screen
#   atspi_panel.py NAME list I   the entries of control I's list, one a line
#   atspi_panel.py NAME do I     control I's first action (press, toggle, pop up)
#   atspi_panel.py NAME set I T  writes T into control I's editor (a combo's entry)
#   atspi_panel.py NAME hidden I how many pixels of control I's editor text
#                                lie out of sight: how far the text moves to
#                                bring its end into view with the caret, 0
#                                when it shows whole
import sys
import time

import pyatspi

from atspi_program import program


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


def child_with_role(acc, role):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child.getRole() == role:
            return child
    return None


def editor_of(acc):
    if acc.getRole() == pyatspi.ROLE_COMBO_BOX:
        return child_with_role(acc, pyatspi.ROLE_TEXT)
    return acc if acc.getRole() == pyatspi.ROLE_TEXT else None


def shown_text(acc):
    editor = editor_of(acc)
    return text_of(editor) if editor is not None else acc.name


def find_panel(acc):
    # The filler of the dialog holds one panel: the controls' parent.
    if acc.getRole() == pyatspi.ROLE_PANEL and acc.childCount > 10:
        return acc
    for i in range(acc.childCount):
        found = find_panel(acc.getChildAtIndex(i))
        if found is not None:
            return found
    return None


def first_char_x(editor, caret):
    text = editor.queryText()
    text.setCaretOffset(caret)
    time.sleep(0.3)  # the field scrolls to the caret when it next lays out
    return text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)[0]


def hidden(editor):
    end = editor.queryText().characterCount
    return first_char_x(editor, 0) - first_char_x(editor, end)


def main():
    app = program(sys.argv[1])
    panel = find_panel(app)
    if panel is None:
        sys.exit("no panel window in " + sys.argv[1])
    if len(sys.argv) > 3:
        control = panel.getChildAtIndex(int(sys.argv[3]))
        if sys.argv[2] == "list":
            entries = child_with_role(control, pyatspi.ROLE_MENU)
            for i in range(entries.childCount):
                print(entries.getChildAtIndex(i).name)
        elif sys.argv[2] == "do":
            control.queryAction().doAction(0)
        elif sys.argv[2] == "set":
            editor_of(control).queryEditableText().setTextContents(sys.argv[4])
        elif sys.argv[2] == "hidden":
            print(hidden(editor_of(control)))
        return
    for i in range(panel.childCount):
        c = panel.getChildAtIndex(i)
        state = c.getState()
        enabled = int(state.contains(pyatspi.STATE_ENABLED))
        pressed = int(state.contains(pyatspi.STATE_CHECKED) or state.contains(pyatspi.STATE_PRESSED))
        x, y, w, h = c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"{i}\t{enabled}\t{int(focused_within(c))}\t{shown_text(c)}\t{c.name}\t{pressed}"
              f"\t{c.description}\t{x},{y},{w},{h}")


main()
