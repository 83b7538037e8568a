# The Windows build's windows under Wine, as a test sees them: each control
# found by its control id (res/resource.h, through the names of
# driver.resources), its state and place read by panel_probe.exe from
# outside the program. Wine's accessibility service keeps no names, so the
# ids stand in for them.
import subprocess
from dataclasses import dataclass
from pathlib import Path

from driver import resources, x11
from driver.session import expect, fail, wait_for


@dataclass
class State:
    enabled: bool
    focused: bool
    text: str
    pressed: bool
    description: str   # Wine keeps none: always ""
    place: tuple       # (x, y, width, height) on the screen, in the window's pixels


def wineserver(*args):
    subprocess.run(["wineserver", *args], capture_output=True)


def prepare(session):
    """No Wine server left from before (one started without a display would
    keep this test's windows from showing), and none left behind."""
    wineserver("-k")
    wineserver("-w")
    session.on_end(lambda: wineserver("-k"))


class Window:
    """The panel (template kPanelControls, probe mode "") or the trend window
    (kTrendControls, probe mode "trend") of the running velmora.exe."""
    # A Win32 combo is one tab stop.
    TABS_PAST_COMBO = 1

    def __init__(self, probe, title="Velmora", controls=None, mode=()):
        self.probe = str(Path(probe).resolve())
        self.title = title
        self.template = controls or resources.panel()
        self.mode = list(mode)
        self.xid = None

    def run_probe(self, *args):
        done = subprocess.run(["wine", self.probe, *args], capture_output=True, text=True)
        return done.returncode, done.stdout.replace("\r", "")

    def shown(self, timeout=90.0):
        # A new prefix's first window takes Wine a while (fonts, registry).
        self.xid = x11.window(self.title, timeout)
        expect(lambda: self.run_probe(*self.mode)[0] == 0, f"panel_probe finds no window {self.title}")
        return self

    def snapshot(self):
        """Each control's state, by control id, as the probe read them at once."""
        code, out = self.run_probe(*self.mode)
        found = {}
        for line in out.splitlines():
            cid, enabled, focused, text, pressed, place = line.split("\t")
            found[int(cid)] = State(enabled == "1", focused == "1", text, pressed == "1", "",
                                    tuple(int(n) for n in place.split(",")))
        return found

    def id_of(self, name):
        return resources.by_name(self.template, name).id

    def state(self, name):
        cid = self.id_of(name)
        # A probe that met the program busy is asked again.
        got = wait_for(lambda: self.snapshot().get(cid), 3.0, 0.2)
        if got is None:
            fail(f"panel_probe shows no control {cid} ({name})")
        return got

    def focused(self):
        names = {c.id: c.name for c in self.template}
        return next((names.get(cid, str(cid)) for cid, s in self.snapshot().items() if s.focused), None)

    def readout(self, label):
        return self.snapshot()[resources.beside(self.template, label).id].text

    def click(self, name):
        """A pointer click on the control where the probe finds it on the
        screen: in the middle, or a combo's edit field, left of its button."""
        control = resources.by_name(self.template, name)
        x, y, w, h = self.state(name).place
        if control.kind.startswith("Combo"):
            x11.click_at(x + h // 2, y + h // 2)
        else:
            x11.click_middle((x, y, w, h))

    def end_session(self):
        """The end of the session, as the system sends it."""
        self.run_probe("endsession")

    def readout_place(self, label):
        return self.snapshot()[resources.beside(self.template, label).id].place

    def ink(self, label):
        """(text, ink columns, columns past the measure) of the text of the
        field beside label, drawn unclipped in the dialogs' font."""
        cid = resources.beside(self.template, label).id
        text, ink, past = self.run_probe("ink", str(cid))[1].rstrip("\n").split("\t")
        return text, int(ink), int(past)


def start(session, board, exe, probe):
    """The board plugged in behind the prefix's COM3 and velmora.exe started
    on it in the work folder, until its window shows: (process, panel)."""
    board.plug()
    app = session.start(["wine", Path(exe).resolve()], log="velmora.log")
    return app, Window(probe).shown()
