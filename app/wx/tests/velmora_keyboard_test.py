#!/usr/bin/python3
# The real velmora binary driven by real key events, connected to the
# simulated board, its controls read back through the accessibility bus, on
# an X server and a session bus of its own: the keyboard session both
# builds share (driver/keyboard_scenario.py), then Alt+C ends the program.
# A screenshot after the typing goes to the folder given last.
#   velmora_keyboard_test.py VELMORA VELMORA_BOARD SCREENSHOT_DIR
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import keyboard_scenario, linux_panel, x11  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session  # noqa: E402

velmora, board_program, shots = sys.argv[1], sys.argv[2], Path(sys.argv[3])
shots.mkdir(parents=True, exist_ok=True)
with Session("velmora keyboard under X11") as session:
    session.display()
    session.session_bus()
    board = Board(session, board_program).plug()
    app = session.start([velmora], log="velmora.log")
    panel = linux_panel.Window("velmora", "Velmora").shown()
    keyboard_scenario.run(session, panel, "linux", board, shots)
    with session.step("Alt+C ends the program"):
        x11.keys(panel.xid, "alt+c")
        session.expect_end(app, "Alt+C")
