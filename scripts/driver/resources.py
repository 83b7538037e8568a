# What the tests know of the windows, read from the sources both builds
# are made from, never copied: control ids from res/resource.h, and from
# res/dialog_templates.cpp each control's kind, caption and place in dialog
# units, and the accessible names the panel sets. A control is named as a
# screen reader names it: its accessible name, else its caption without
# the mnemonic's "&".
import re
from dataclasses import dataclass
from functools import cache
from pathlib import Path

RES = Path(__file__).resolve().parents[2] / "res"


@dataclass(frozen=True)
class Control:
    symbol: str      # IDC_EDIT_ROW1
    id: int          # 1003
    kind: str        # Edit, PushButton, ToggleButton, ComboDropDown, Text, TextRight, ...
    caption: str     # as written in the template, "&On"
    dlu: tuple       # (x, y, cx, cy) in dialog units
    name: str        # as a screen reader names it


@cache
def ids():
    """Every #define of resource.h that is a number, by its symbol."""
    found = {}
    for symbol, value in re.findall(r"^#define\s+(\w+)\s+\(?(-?(?:0x)?[0-9A-Fa-f]+)\)?\s*$",
                                    (RES / "resource.h").read_text(), re.M):
        found[symbol] = int(value, 0)
    return found


def _table(source, name):
    """The text of the C++ array `name` in source."""
    start = source.index(f" {name}[] = {{")
    return source[start:source.index("\n};", start)]


@cache
def dialog(table):
    """The controls of a dialog template (kPanelControls, kTrendControls),
    in tab order."""
    source = (RES / "dialog_templates.cpp").read_text()
    names = dict(re.findall(r'\{(\w+), "([^"]*)"\}', _table(source, "kPanelNames")))
    controls = []
    for symbol, kind, caption, x, y, cx, cy in re.findall(
            r'\{(\w+), ControlKind::(\w+), "([^"]*)", \{(\d+), (\d+), (\d+), (\d+)\}',
            _table(source, table)):
        name = names.get(symbol, caption.replace("&", ""))
        controls.append(Control(symbol, ids()[symbol], kind, caption, (int(x), int(y), int(cx), int(cy)), name))
    return tuple(controls)


def panel():
    return dialog("kPanelControls")


@cache
def title(dialog_id):
    """The caption of the dialog template IDD_PANEL, ...: its window's title."""
    source = (RES / "dialog_templates.cpp").read_text()
    return re.search(rf'\{{\s*{dialog_id}, "([^"]*)"', source).group(1)


def trend():
    return dialog("kTrendControls")


def traffic():
    return dialog("kTrafficControls")


def by_name(controls, name):
    """The control named name; a name two controls share (four "Aggiorna")
    names none, so a test cannot pick one by chance."""
    found = [c for c in controls if c.name == name]
    if len(found) != 1:
        raise KeyError(f"{len(found)} controls named {name!r}")
    return found[0]


def beside(controls, label):
    """The read-only value shown right of the static text label on its row
    (the clock right of "Ora del PC:")."""
    text = by_name(controls, label)
    row = [c for c in controls if c.kind == "TextRight" and abs(c.dlu[1] - text.dlu[1]) <= 2
           and c.dlu[0] > text.dlu[0]]
    return min(row, key=lambda c: c.dlu[0])
