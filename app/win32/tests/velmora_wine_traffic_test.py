#!/usr/bin/python3
# The traffic window of velmora.exe under Wine, the prefix's COM3 leading to
# the simulated board, on an X server of its own; its list and buttons read
# and pressed by control id with panel_probe.exe. For each board of the
# table, "Traffico..." from the real system menu opens the window beside
# the panel, the panel connects and reads the analog input, and the lines
# of a tick say what went on the line and what came back. With the board
# that answers, "Pausa" keeps the list as it is across ticks and
# "Riprendi" goes on; and a short session sends the board the same bytes
# with the window open as with it closed. A screenshot of the window goes
# to the folder given last.
#   velmora_wine_traffic_test.py VELMORA_EXE PANEL_PROBE_EXE VELMORA_BOARD SCREENSHOT_DIR
import os
import re
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import resources, wine_panel, x11  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session, expect, fail, holds  # noqa: E402

exe, probe, board_program, shots = sys.argv[1], sys.argv[2], sys.argv[3], Path(sys.argv[4])
shots.mkdir(parents=True, exist_ok=True)
CLOSE = 2  # "&Chiudi" is IDCANCEL
REQUEST = re.compile(r'^\d\d:\d\d:\d\d\.\d{3}  inviato +"a"  Lettura ingresso analogico  \[61\]$')
# What follows the analog read's request, by the board's --reply.
BOARDS = [
    ("normal", re.compile(r'^\d\d:\d\d:\d\d\.\d{3}  ricevuto +"\d{4}"  risposta dopo \d+ ms  \[(3\d ){3}3\d\]$')),
    ("never", re.compile(r'^\d\d:\d\d:\d\d\.\d{3}  scaduto +nessuna risposta entro 300 ms$')),
]
# The extra-bytes board's two bytes are dropped before the next request.
DISCARDED = re.compile(r'^\d\d:\d\d:\d\d\.\d{3}  scartato +"XY"  scartati 2 byte  \[58 59\]$')


class Traffic:
    """The traffic window, as the probe reads it and as X shows it."""

    def __init__(self, panel):
        self.panel = panel
        self.window = wine_panel.Window(probe, "Traffico", resources.traffic(), ["traffic"])

    def open_from_menu(self):
        # Wine's system menu has an "&About Wine" of its own: the item is
        # the menu's last, Up from the first.
        x11.keys(self.panel.xid, "alt+space")
        time.sleep(0.5)
        x11.press("Up", "Return")
        self.window.shown(10)
        return self

    def lines(self):
        return self.window.run_probe("traffic", "lines")[1].splitlines()

    def press(self, name):
        self.window.run_probe("traffic", "click", str(self.window.id_of(name)))

    def pause_label(self):
        """The pause button's text: what a press will do."""
        return self.window.state("Pausa").text


def places():
    found = {}
    for line in wine_panel.Window(probe).run_probe("windows")[1].splitlines():
        what, place, *_ = line.split("\t")
        found[what] = tuple(int(n) for n in place.split(","))
    return found


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def start(session, reply, log=None):
    board = Board(session, board_program, wine_prefix=os.environ["WINEPREFIX"], log=log or f"board-{reply}.log",
                  args=["--reply", reply])
    app, panel = wine_panel.start(session, board, exe, probe)
    return board, app, panel


def close(session, app, board, panel):
    panel.run_probe("click", str(CLOSE))
    session.expect_end(app, "Chiudi with the traffic window open")
    board.pull()


def tick_lines(traffic, follows):
    """The request of a tick and the line after it, once one matches."""
    def pair():
        lines = traffic.lines()
        return next(((a, b) for a, b in zip(lines, lines[1:]) if REQUEST.match(a) and follows.match(b)), None)
    return expect(pair, lambda _: "no tick's lines in:\n" + "\n".join(traffic.lines()[-12:]), 15)


def wire_session(session, with_window):
    """A short session's bytes as the board received them: connect, LED 1
    on and off, row 1 written, disconnect."""
    board, app, panel = start(session, "normal", f"board-wire-{'open' if with_window else 'closed'}.log")
    if with_window:
        Traffic(panel).open_from_menu()
    for control in ("On", "LED 1", "Aggiorna riga 1", "LED 1", "Off"):
        panel.click(control)
        time.sleep(0.4)
    expect(lambda: panel.state("On").enabled, "Off did not disconnect")
    received = "".join(board.reads())
    close(session, app, board, panel)
    return received


with Session("velmora.exe traffic window under Wine") as session:
    wine_panel.prepare(session)
    session.display("1920x1080")

    for reply, follows in BOARDS:
        with session.step(f"a tick's lines with the {reply} board"):
            board, app, panel = start(session, reply)
            traffic = Traffic(panel).open_from_menu()
            seen = places()
            if "traffic" not in seen:
                fail(f"the probe finds no traffic window the panel owns: {seen}")
            if overlap(seen["traffic"], seen["panel"]):
                fail(f"the traffic window {seen['traffic']} covers the panel {seen['panel']}")
            for control in ("On", "Acquisisci ingresso analogico"):
                panel.click(control)
            request, answer = tick_lines(traffic, follows)
            print(f"{reply} board:\n  {request}\n  {answer}")

        if reply == "normal":
            with session.step("Pausa keeps the list across ticks, Riprendi goes on"):
                traffic.press("Pausa")
                expect(lambda: traffic.pause_label() == "&Riprendi", "Pausa did not become Riprendi")
                held = traffic.lines()
                ticks = len(board.reads())
                expect(lambda: len(board.reads()) >= ticks + 2, "the poll stopped while paused")
                if not holds(lambda: traffic.lines() == held, 1.5):
                    fail("lines were added while paused")
                traffic.press("Pausa")
                expect(lambda: traffic.pause_label() == "&Pausa", "Riprendi did not become Pausa")
                expect(lambda: len(traffic.lines()) > len(held), "no line was added after Riprendi")
                print(f"paused across {len(board.reads()) - ticks} reads, {len(held)} lines kept")
            with session.step("the keyboard: Alt+P presses Pausa, Alt+R Riprendi"):
                x11.keys(traffic.window.xid, "alt+p")
                expect(lambda: traffic.pause_label() == "&Riprendi", "Alt+P did not press Pausa")
                x11.keys(traffic.window.xid, "alt+r")
                expect(lambda: traffic.pause_label() == "&Pausa", "Alt+R did not press Riprendi")
            with session.step("a screenshot with a few ticks of both readings"):
                panel.click("Acquisisci temperatura")
                expect(lambda: len(traffic.lines()) >= 20, "the list holds fewer than 20 lines", 20)
                x11.screenshot(shots / "windows-traffic.png", traffic.window.xid)
        close(session, app, board, panel)

    with session.step("the extra-bytes board's bytes discarded"):
        board, app, panel = start(session, "extra")
        traffic = Traffic(panel).open_from_menu()
        for control in ("On", "Acquisisci ingresso analogico"):
            panel.click(control)
        dropped = expect(lambda: next((line for line in traffic.lines() if DISCARDED.match(line)), None),
                         lambda _: "no discarded bytes in:\n" + "\n".join(traffic.lines()[-12:]), 15)
        print(f"extra board:\n  {dropped}")
        close(session, app, board, panel)

    with session.step("the same bytes on the wire with the window open"):
        closed = wire_session(session, False)
        opened = wire_session(session, True)
        if not closed or closed != opened:
            fail(f"the board received\n  {closed}\nwith the window closed, and\n  {opened}\nwith it open")
        print(f"the board received the same {len(closed.split())} bytes with the window closed and open")
print("velmora.exe traffic window under Wine: all checks passed")
