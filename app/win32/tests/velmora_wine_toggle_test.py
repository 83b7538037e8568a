#!/usr/bin/python3
# velmora.exe under Wine, its COM3 leading to the simulated board in the
# Wine prefix, on an X server of its own: a pressed toggle stands out from
# a released one on the screen by a contrast of 3:1 or more - pressed by a
# click or by Space, with the focus on it, and disabled after Off - and a
# toggle released again looks released. The state and the toggles' places
# are read with panel_probe.exe. Screenshots of the pressed toggles,
# connected and after Off, go to the folder given last.
#   velmora_wine_toggle_test.py VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
import os
import shutil
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import wine_panel, x11  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.keyboard_scenario import no_box  # noqa: E402
from driver.session import Session, expect, fail  # noqa: E402

exe, probe, board_program, shots = sys.argv[1], sys.argv[2], sys.argv[3], Path(sys.argv[4])
shots.mkdir(parents=True, exist_ok=True)


def screen(panel, name):
    """The screen with the pointer off the controls (no hover look)."""
    x, y, _, _ = x11.rect(panel.xid)
    x11.pointer_to(x + 2, y + 2)
    # The pointer's leaving repaints the control it left: wait until two
    # screenshots agree.
    png = session.work / f"{name}.png"
    previous = None
    for attempt in range(10):
        x11.screenshot(png)
        now = png.read_bytes()
        if now == previous:
            break
        previous = now
    return png


def contrast(png, panel, pressed, released):
    snapshot = panel.snapshot()
    colour = {n: x11.dominant(png, snapshot[panel.id_of(n)].place) for n in (pressed, released)}
    return x11.contrast(colour[pressed], colour[released])


with Session("velmora.exe toggles under Wine") as session:
    wine_panel.prepare(session)
    session.display()
    board = Board(session, board_program, wine_prefix=os.environ["WINEPREFIX"])
    app, panel = wine_panel.start(session, board, exe, probe)

    with session.step("pressed by a click and by Space"):
        panel.click("On")
        expect(lambda: panel.state("LED 1").enabled, "LED 1 is not enabled after On")
        no_box()
        panel.click("Acquisisci temperatura")
        panel.click("LED 1")
        # From LED 1 Tab goes to row 1's "Aggiorna", row 2's editor, LED 2.
        x11.keys(panel.xid, "Tab", "Tab", "Tab", "space")
        expect(lambda: panel.state("LED 2").pressed, "LED 2 is not pressed by Space")
        for name, pressed in (("LED 1", True), ("LED 2", True), ("Acquisisci temperatura", True),
                              ("LED 3", False), ("Acquisisci ingresso analogico", False)):
            if panel.state(name).pressed != pressed:
                fail(f"{name} is {'not ' if pressed else ''}pressed")
        if not panel.state("LED 2").focused:
            fail("LED 2 does not have the focus after Space")
        connected = screen(panel, "connected")
        shutil.copy(connected, shots / "windows-toggles-pressed.png")

    # Pressed, released, and how they were pressed, in the screenshot just taken.
    for pressed, released, how in (("LED 1", "LED 3", "clicked"), ("LED 2", "LED 3", "Space, with the focus"),
                                   ("Acquisisci temperatura", "Acquisisci ingresso analogico", "clicked")):
        with session.step(f"{pressed} pressed ({how}) against {released}"):
            ratio = contrast(connected, panel, pressed, released)
            print(f"{pressed} pressed ({how}) against {released} released: {ratio}:1")
            if ratio < 3:
                fail(f"they differ by {ratio}:1, under 3:1")

    with session.step("LED 1 released again by a click looks released"):
        panel.click("LED 1")
        expect(lambda: not panel.state("LED 1").pressed, "a second click did not release LED 1")
        ratio = contrast(screen(panel, "released"), panel, "LED 1", "LED 3")
        print(f"LED 1 released again against LED 3: {ratio}:1")
        if ratio > 1.2:
            fail(f"LED 1 released again still differs from LED 3 by {ratio}:1")

    with session.step("after Off LED 2 stays pressed, disabled, and looks it"):
        panel.click("Off")
        expect(lambda: not panel.state("LED 2").enabled, "LED 2 is still enabled after Off")
        if not panel.state("LED 2").pressed:
            fail("LED 2 is no longer pressed after Off")
        disconnected = screen(panel, "disconnected")
        shutil.copy(disconnected, shots / "windows-toggles-disabled.png")
        ratio = contrast(disconnected, panel, "LED 2", "LED 3")
        print(f"LED 2 pressed and disabled against LED 3 released and disabled: {ratio}:1")
        if ratio < 3:
            fail(f"a disabled pressed toggle differs from a released one by {ratio}:1, under 3:1")

    with session.step("Chiudi ends the program"):
        panel.click("Chiudi")
        session.expect_end(app, "Chiudi")
