#!/usr/bin/python3
# velmora.exe under Wine, its COM3 leading to the simulated board in the
# Wine prefix, on an X server of its own. The same session of clicks runs
# against the Linux build too, and the bytes at the board must be the same.
# The About box opens centred on the panel (dialog_tests.exe checks that the
# panel opens centred on the screen). Screenshots of the window and the
# About box go to the folder given last.
#   velmora_wine_test.py VELMORA_EXE PANEL_PROBE_EXE VELMORA_LINUX VELMORA_BOARD SCREENSHOT_DIR
import os
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import linux_panel, wine_panel, x11  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session, expect, fail  # noqa: E402

exe, probe, linux, board_program, shots = sys.argv[1:6]
shots = Path(shots)
shots.mkdir(parents=True, exist_ok=True)
ABOUT = "Informazioni sul Velmora"
# What the board must receive: LED 1 on, row 1 (locate, then its text),
# then any number of polls ("a", "T", "t").
WANT = "4C 45 44 62 31 6F 6E 6C 11 77 52 69 67 61 20 31 20 20 20 20 20 20 20 20 20 20 <poll>"


def centred_on(inner, outer):
    """Whether window inner's centre is within 4 pixels of outer's (with no
    window manager, Wine's X windows leave out the caption; both boxes have
    the same one)."""
    ix, iy, iw, ih = x11.rect(inner)
    ox, oy, ow, oh = x11.rect(outer)
    return abs(ix + iw // 2 - ox - ow // 2) <= 4 and abs(iy + ih // 2 - oy - oh // 2) <= 4


def run_session(session, name, command, panel):
    """Connect, LED 1, row 1, both acquisitions, one tick, disconnect; what
    the board received, the polls at its end shown as <poll>."""
    board = Board(session, board_program, wine_prefix=os.environ["WINEPREFIX"], log=f"board-{name}.log").plug()
    app = session.start(command, log=f"{name}.log")
    panel.shown()
    for control in ("On", "LED 1", "Aggiorna riga 1", "Acquisisci ingresso analogico", "Acquisisci temperatura"):
        panel.click(control)
    expect(lambda: "61 " in board.reads() and any(r.endswith("74 ") for r in board.reads()),
           "no tick read both values")
    if x11.named("velmora"):
        fail("a message box is open")
    x11.screenshot(shots / f"{name}-connected.png", panel.xid)
    panel.click("Off")
    if name == "windows":
        with session.step("the About box from the real system menu"):
            x11.keys(panel.xid, "alt+space")
            x11.press("i")
            about = x11.window(ABOUT)
            expect(lambda: centred_on(about, panel.xid),
                   lambda _: f"not centred on the panel: {x11.rect(about)} on {x11.rect(panel.xid)}")
            x11.screenshot(shots / "windows-about.png", about)
            x11.keys(about, "Return")
            if not x11.gone(ABOUT):
                fail("Enter did not close the About box")
    panel.click("Chiudi")
    session.expect_end(app, f"{name}: Chiudi")
    board.pull()
    return re.sub(r"((61|54|74) )+$", "<poll>", "".join(board.reads()))


with Session("velmora.exe under Wine") as session:
    wine_panel.prepare(session)
    session.display()
    session.session_bus()
    with session.step("the session on velmora.exe"):
        windows = run_session(session, "windows", ["wine", Path(exe).resolve()], wine_panel.Window(probe))
    with session.step("the session on the Linux build"):
        linux = run_session(session, "linux", [linux], linux_panel.Window("velmora", "Velmora"))
    print(f"windows: {windows}\nlinux:   {linux}")
    with session.step("the bytes at the board"):
        if windows != WANT:
            fail("the Windows build sent other bytes than expected")
        if windows != linux:
            fail("the two builds sent different bytes")
