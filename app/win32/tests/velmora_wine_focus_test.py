#!/usr/bin/python3
# The focus while the board leaves and comes back: velmora.exe under Wine
# on the simulated board behind the prefix's COM3, driven by real key
# events typed slowly across ticks, its controls read back with
# panel_probe.exe by control id, on an X server of its own: the focus
# session both builds share (driver/focus_scenario.py).
#   velmora_wine_focus_test.py VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import focus_scenario, wine_panel  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session  # noqa: E402

exe, probe, board_program = sys.argv[1], sys.argv[2], sys.argv[3]
with Session("velmora.exe focus under Wine") as session:
    wine_panel.prepare(session)
    session.display()
    board = Board(session, board_program, wine_prefix=os.environ["WINEPREFIX"])
    app, panel = wine_panel.start(session, board, exe, probe)
    focus_scenario.run(session, panel, board)
