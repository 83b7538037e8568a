#!/usr/bin/python3
# velmora.exe under Wine, on an X server of its own: the right-aligned clock
# shows its last digit whole. Under Wine its text is drawn wider than it is
# measured, so a right-aligned static loses the last pixel column of its
# last digit whenever the drawn ink reaches past the measure. The test
# waits for such a second (panel_probe draws the clock's text unclipped in
# the dialogs' font and says how far its ink passes the measure), then the
# clock's ink on the screen must be as wide as that unclipped drawing. The
# clock's place comes from panel_probe by its control id. A screenshot of
# the panel goes to the folder given last.
#   velmora_wine_clock_test.py VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import wine_panel, x11  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session, fail  # noqa: E402

exe, probe, board_program, shots = sys.argv[1], sys.argv[2], sys.argv[3], Path(sys.argv[4])
shots.mkdir(parents=True, exist_ok=True)
CLOCK = "Ora del PC:"


def ink_columns(png, place):
    """(first, last): the columns of place in the screenshot that hold a
    pixel other than the place's background."""
    x, y, w, h = place
    background = x11.dominant(png, place)
    out = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-fill", "white", "-opaque",
                          background, "-fill", "black", "+opaque", "white", "-negate", "-scale", f"{w}x1!",
                          "-threshold", "0", "txt:-"], capture_output=True, text=True).stdout
    inked = [int(line.split(",")[0]) for line in out.splitlines() if "#FFFFFF" in line.upper()]
    return (inked[0], inked[-1]) if inked else (0, -1)


with Session("velmora.exe clock under Wine") as session:
    wine_panel.prepare(session)
    session.display()
    board = Board(session, board_program, wine_prefix=os.environ["WINEPREFIX"])
    app, panel = wine_panel.start(session, board, exe, probe)
    clock = panel.readout_place(CLOCK)
    png = session.work / "screen.png"
    checked = 0
    with session.step("the clock's last column on the screen"):
        for _ in range(20):
            before = panel.ink(CLOCK)
            x11.screenshot(png)
            # The second did not change while the screen was taken, and its
            # ink passes the measure: the case that loses a column.
            if panel.ink(CLOCK) != before:
                continue
            text, width, past = before
            if past < 1:
                time.sleep(0.5)  # the next second's text
                continue
            first, last = ink_columns(png, clock)
            shown = last - first + 1
            print(f"clock {text}: {width} px of ink drawn unclipped ({past} past its measure), {shown} on the screen")
            if shown != width:
                fail(f"the clock shows {shown} of the {width} pixel columns of {text!r}")
            shutil.copy(png, shots / "windows-clock.png")
            checked += 1
            if checked == 3:
                break
            time.sleep(1)  # the next second's text
        if checked < 3:
            fail("in 20 tries, not three seconds whose ink passes the measure")

    with session.step("Chiudi ends the program"):
        panel.click("Chiudi")
        session.expect_end(app, "Chiudi")
