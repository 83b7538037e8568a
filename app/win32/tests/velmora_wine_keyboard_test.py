#!/usr/bin/python3
# velmora.exe under Wine driven by real key events, its COM3 leading to the
# simulated board in the Wine prefix, its controls read back with
# panel_probe.exe by control id, on an X server of its own: the keyboard
# session both builds share (driver/keyboard_scenario.py), then the end of
# the session (WM_ENDSESSION) ends the panel.
# A screenshot after the typing goes to the folder given last.
#   velmora_wine_keyboard_test.py VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import keyboard_scenario, wine_panel  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session  # noqa: E402

exe, probe, board_program, shots = sys.argv[1], sys.argv[2], sys.argv[3], Path(sys.argv[4])
shots.mkdir(parents=True, exist_ok=True)
with Session("velmora.exe keyboard under Wine") as session:
    wine_panel.prepare(session)
    session.display()
    board = Board(session, board_program, wine_prefix=os.environ["WINEPREFIX"])
    app, panel = wine_panel.start(session, board, exe, probe)
    keyboard_scenario.run(session, panel, "wine", board, shots)
    with session.step("the end of the session ends the panel"):
        panel.end_session()
        session.expect_end(app, "WM_ENDSESSION")
