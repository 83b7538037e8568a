# The Linux build's windows as a screen reader meets them: through the
# accessibility bus, each control found by its accessible name. What the
# bus lacks: the X window to send keys to, which comes from its title.
from dataclasses import dataclass

import pyatspi

from driver import x11
from driver.session import expect, fail, wait_for

ROLES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_TEXT,
         pyatspi.ROLE_LABEL, pyatspi.ROLE_SLIDER}


@dataclass
class State:
    enabled: bool
    focused: bool
    text: str          # an editor's or a combo entry's text, else the name
    pressed: bool
    description: str
    place: tuple       # (x, y, width, height) on the screen


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


def _editor(acc):
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


class Window:
    """A shown window of a program on the bus, titled title."""
    # GTK gives a combo's arrow button a tab stop of its own.
    TABS_PAST_COMBO = 2

    def __init__(self, program_name, title):
        self.program_name = program_name
        self.title = title
        self.xid = None  # the X window, for keys

    def root(self):
        app = program(self.program_name)
        if app is None:
            return None
        return next((w for w in _children(app) if w.name == self.title
                     and w.getState().contains(pyatspi.STATE_SHOWING)), None)

    def shown(self, timeout=10.0):
        """Waits for the window on the bus and on the screen."""
        expect(self.root, f"no window {self.title} of {self.program_name} on the accessibility bus", timeout)
        self.xid = x11.window(self.title, timeout)
        return self

    def find(self, name):
        """The control named name, the outermost (a combo, not its entry)."""
        def look():
            root = self.root()
            if root is None:
                return None
            return next((a for a in _walk(root) if a.getRole() in ROLES and a.name == name), None)
        # A bus busy with a loaded machine may miss a call: look again.
        found = wait_for(look, 2.0, 0.2)
        if found is None:
            fail(f"no control named {name!r} in the window {self.title}")
        return found

    def state(self, name):
        return self._state(self.find(name))

    @staticmethod
    def _state(acc):
        states = acc.getState()
        editor = _editor(acc)
        text = _text(editor) if editor is not None else acc.name
        return State(states.contains(pyatspi.STATE_ENABLED), _focused_within(acc), text,
                     states.contains(pyatspi.STATE_CHECKED) or states.contains(pyatspi.STATE_PRESSED),
                     acc.description, _place(acc))

    def focused(self):
        """The name of the control that has the focus, or None."""
        root = self.root()
        if root is None:
            return None
        for acc in _walk(root):
            if acc.getRole() in ROLES and acc.name and _focused_within(acc):
                return acc.name
        return None

    def readout(self, label):
        """The text of the read-only field shown right of the label on its row
        (the clock right of "Ora del PC:")."""
        root = self.root()
        lx, ly, lw, lh = _place(self.find(label))
        row = [a for a in _walk(root) if a.getRole() == pyatspi.ROLE_TEXT and not a.name
               and abs(_place(a)[1] + _place(a)[3] / 2 - (ly + lh / 2)) <= lh and _place(a)[0] > lx]
        if not row:
            fail(f"no field beside {label!r}")
        return _text(min(row, key=lambda a: _place(a)[0]))

    # -- doing
    def click(self, name):
        """A pointer click in the middle of the control, of a combo's entry."""
        acc = self.find(name)
        x11.click_middle(_place(_editor(acc) or acc))

    def do(self, name):
        """The control's first action (press, toggle, pop up), as an assistive tool does it."""
        self.find(name).queryAction().doAction(0)

    def set_text(self, name, text):
        _editor(self.find(name)).queryEditableText().setTextContents(text)

    def set_value(self, name, value):
        self.find(name).queryValue().currentValue = float(value)

    def grab_focus(self, name):
        if not self.find(name).queryComponent().grabFocus():
            fail(f"{name} did not take the focus")

    def entries(self, name):
        """The entries of a combo's list, in order."""
        menu = next(c for c in _children(self.find(name)) if c.getRole() == pyatspi.ROLE_MENU)
        return [c.name for c in _children(menu)]

    def hidden(self, name):
        """How many pixels of the control's editor text lie out of sight: how
        far the text moves to bring its end into view with the caret."""
        text = _editor(self.find(name)).queryText()

        def first_char_x(caret):
            text.setCaretOffset(caret)
            # The field scrolls to the caret when it next lays out: wait
            # until two looks a little apart agree.
            seen = []

            def settled():
                seen.append(text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)[0])
                return len(seen) > 2 and seen[-1] == seen[-2]
            wait_for(settled, 3.0, 0.15)
            return seen[-1]
        return first_char_x(0) - first_char_x(text.characterCount)

    def controls(self, roles):
        """(role name, name, showing) of each control of the roles inside the window."""
        root = self.root()
        return [(a.getRoleName(), a.name, a.getState().contains(pyatspi.STATE_SHOWING))
                for a in _walk(root) if a.getRole() in roles]

    def labels(self):
        """(name, text, description) of each named label with a text: what a
        screen reader reads of a chart's latest value."""
        return [(a.name, _text(a), a.description) for a in _walk(self.root())
                if a.getRole() == pyatspi.ROLE_LABEL and a.name and _text(a)]

    def label_parent_place(self, name):
        """The place of the area that holds the label named name."""
        return _place(self.find(name).parent)

    def showing_labels(self):
        return [a.name for a in _walk(self.root())
                if a.getRole() == pyatspi.ROLE_LABEL and a.getState().contains(pyatspi.STATE_SHOWING)]
