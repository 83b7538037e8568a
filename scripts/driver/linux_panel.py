# The Linux build's windows as a screen reader meets them: through the
# accessibility bus, each control found by its accessible name (each look
# made by atspi_reader.py). What the bus lacks: the X window to send keys
# to, which comes from the window's title.
import json
import subprocess
from dataclasses import dataclass
from pathlib import Path

from driver import x11
from driver.session import expect, fail, wait_for

READER = Path(__file__).with_name("atspi_reader.py")


@dataclass
class State:
    enabled: bool
    focused: bool
    text: str          # an editor's or a combo entry's text, else the name
    pressed: bool
    description: str
    place: tuple       # (x, y, width, height) on the screen


class Window:
    """A shown window titled title of the program program_name."""
    # GTK gives a combo's arrow button a tab stop of its own.
    TABS_PAST_COMBO = 2

    def __init__(self, program_name, title):
        self.program_name = program_name
        self.title = title
        self.xid = None  # the X window, for keys
        self.why = ""    # what the last look that failed said

    def look(self, operation, *arguments, limit=3):
        """The reader's answer, or None when it failed or took too long (a
        bus busy with a loaded machine): the callers' waits look again."""
        try:
            done = subprocess.run(["/usr/bin/python3", READER, self.program_name, self.title, operation,
                                   *[str(a) for a in arguments]], capture_output=True, text=True, timeout=limit)
        except subprocess.TimeoutExpired:
            # Now and then a look waits on the bus for good while the next
            # one, a process of its own, answers at once.
            self.why = f"{operation}: no answer in {limit} s"
            return None
        if done.returncode != 0:
            self.why = done.stderr.strip().splitlines()[-1] if done.stderr.strip() else operation
            return None
        return json.loads(done.stdout)

    def ask(self, operation, *arguments, timeout=30.0, limit=3):
        """As look, failing the step when no look answers within timeout."""
        found = wait_for(lambda: self.look(operation, *arguments, limit=limit), timeout, 0.2)
        if found is None:
            fail(f"{operation} {' '.join(map(str, arguments))}: {self.why}")
        return found

    def shown(self, timeout=60.0):
        """Waits for the window on the bus and on the screen."""
        expect(lambda: self.look("shown"), lambda _: f"no window {self.title} on the bus: {self.why}", timeout)
        self.xid = x11.window(self.title, timeout)
        return self

    def state(self, name):
        got = self.ask("state", name)
        got["place"] = tuple(got["place"])
        return State(**got)

    def focused(self):
        """The name of the control that has the focus, or None."""
        return self.look("focused")

    def readout(self, label):
        """The text of the read-only field right of label on its row (the
        clock right of "Ora del PC:")."""
        return self.ask("readout", label)

    def rows(self, name, limit=10):
        """The rows of the list named name, each one text."""
        return self.ask("rows", name, limit=limit)

    def click(self, name):
        """A pointer click in the middle of the control, of a combo's entry."""
        x11.click_middle(self.ask("click_place", name))
