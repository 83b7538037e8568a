#!/usr/bin/python3
# Reads and drives the panel window (the one titled as the panel's dialog)
# of the running program named $1 through the accessibility bus, as a
# screen reader would; a control is addressed by its accessible name, found
# as the window-test driver finds it (scripts/driver/atspi_reader.py).
#   atspi_panel.py PROGRAM           one line per control in tab order:
#                                    "name<TAB>enabled<TAB>focused<TAB>text
#                                    <TAB>role<TAB>pressed<TAB>description
#                                    <TAB>x,y,w,h", where text is what an
#                                    editor or a combo's entry holds, or a
#                                    label's or button's name, and x,y,w,h
#                                    its place on the screen; a name shared
#                                    is listed once, as find meets it
#   atspi_panel.py PROGRAM list N    the entries of control N's list, one a line
#   atspi_panel.py PROGRAM do N      control N's first action (press, toggle, pop up)
#   atspi_panel.py PROGRAM set N T   writes T into control N's editor (a combo's entry)
#   atspi_panel.py PROGRAM hidden N  how many pixels of control N's editor
#                                    text lie out of sight: how far the text
#                                    moves to bring its end into view with
#                                    the caret, 0 when it shows whole
#   atspi_panel.py PROGRAM readout L the text of the read-only field right
#                                    of the label L on its row
import sys
import time
from pathlib import Path

import pyatspi

from atspi_program import program, shown_windows

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import resources  # noqa: E402
from driver.atspi_reader import controls, editor, find, readout, state_of  # noqa: E402


def first_char_x(field, caret):
    text = field.queryText()
    text.setCaretOffset(caret)
    time.sleep(0.3)  # the field scrolls to the caret when it next lays out
    return text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)[0]


def hidden(field):
    end = field.queryText().characterCount
    return first_char_x(field, 0) - first_char_x(field, end)


def table(window):
    seen = set()
    for acc in controls(window):
        if acc.name in seen:
            continue
        seen.add(acc.name)
        s = state_of(acc)
        x, y, w, h = s["place"]
        print(f"{acc.name}\t{int(s['enabled'])}\t{int(s['focused'])}\t{s['text']}\t{acc.getRoleName()}"
              f"\t{int(s['pressed'])}\t{s['description']}\t{x},{y},{w},{h}")


def main():
    program_name, *command = sys.argv[1:]
    title = resources.title("IDD_PANEL")
    # The program as atspi_program.py finds it, with the bus's cache left
    # on: with the cache off, one look in some forty never came back.
    shown = shown_windows(program(program_name), title)
    if not shown:
        sys.exit(f"no window {title} of {program_name}")
    window = shown[0]
    if not command:
        table(window)
        return
    verb, name, *rest = command
    if verb == "readout":
        print(readout(window, name))
        return
    control = find(window, name)
    if verb == "list":
        entries = next(control.getChildAtIndex(i) for i in range(control.childCount)
                       if control.getChildAtIndex(i).getRole() == pyatspi.ROLE_MENU)
        for i in range(entries.childCount):
            print(entries.getChildAtIndex(i).name)
    elif verb == "do":
        control.queryAction().doAction(0)
    elif verb == "set":
        editor(control).queryEditableText().setTextContents(rest[0])
    elif verb == "hidden":
        print(hidden(editor(control)))
    else:
        sys.exit(f"atspi_panel.py: unknown verb {verb}")


main()
