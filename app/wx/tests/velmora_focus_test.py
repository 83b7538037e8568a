#!/usr/bin/python3
# The focus while the board leaves and comes back: the real velmora binary
# on the simulated board, driven by real key events typed slowly across
# ticks, read back through the accessibility bus, on an X server and a
# session bus of its own: the focus session both builds share
# (driver/focus_scenario.py).
#   velmora_focus_test.py VELMORA VELMORA_BOARD
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import focus_scenario, linux_panel  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session  # noqa: E402

velmora, board_program = sys.argv[1], sys.argv[2]
with Session("velmora focus under X11") as session:
    session.display()
    session.session_bus()
    board = Board(session, board_program).plug()
    session.start([velmora], log="velmora.log")
    panel = linux_panel.Window("velmora", "Velmora").shown()
    focus_scenario.run(session, panel, board)
