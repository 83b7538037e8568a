#!/usr/bin/python3
# The "Traffico" window of the real velmora binary on the simulated board,
# driven by real key events and clicks, its list read back line by line
# through the accessibility bus, on an X server and a session bus of its own:
#  - "&Traffico..." in the system menu opens it, once: the item again
#    brings the same window forward;
#  - one tick's lines: the request "a" and its reply with its delay; a
#    silent board's read timed out; an extra-bytes board's bytes discarded
#    before the next request;
#  - Azzera empties it; Pausa (Alt+P) adds no line across ticks, Riprendi
#    (Alt+R) goes on; Salva... writes the shown lines as
#    UTF-8 through the file chooser, driven from the keyboard;
#  - the bytes the board receives in a session are the same with the window
#    open as with it closed.
# A screenshot of the window with real traffic goes to the folder given last.
#   velmora_traffic_test.py VELMORA VELMORA_BOARD SCREENSHOT_DIR
import re
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[3] / "scripts"))
from driver import keyboard_scenario, linux_panel, x11  # noqa: E402
from driver.board import Board  # noqa: E402
from driver.session import Session, expect, fail, holds  # noqa: E402

velmora, board_program, shots = sys.argv[1], sys.argv[2], Path(sys.argv[3])
shots.mkdir(parents=True, exist_ok=True)
REQUEST = re.compile(r'inviato\s+"a"\s+Lettura ingresso analogico\s+\[61\]$')
REPLY = re.compile(r'ricevuto\s+"\d{4}"\s+risposta dopo \d+ ms\s+\[(3\d ){3}3\d\]$')


def start(session, tag, reply=None):
    """A board (answering as reply says) and the panel on it, apart on the
    screen so that neither covers the other's controls."""
    board = Board(session, board_program, log=f"board-{tag}.log",
                  args=["--reply", reply] if reply else []).plug()
    app = session.start([velmora], log=f"velmora-{tag}.log")
    panel = linux_panel.Window("velmora", "Velmora").shown()
    subprocess.run(["xdotool", "windowmove", panel.xid, "0", "0"], check=True)
    return board, app, panel


def stop(session, board, app):
    session.stop(app)
    board.pull()
    board.link.unlink(missing_ok=True)


def open_traffic(panel):
    x11.keys(panel.xid, "alt+space")
    time.sleep(0.5)
    x11.press("t")
    traffic = linux_panel.Window("velmora", "Traffico").shown()
    subprocess.run(["xdotool", "windowmove", traffic.xid, "0", "480"], check=True)
    return traffic


def connect(panel, *acquisitions):
    panel.click("On")
    expect(lambda: panel.state("Off").enabled, "the panel did not connect")
    for name in acquisitions:
        panel.click(name)
        expect(lambda: panel.state(name).pressed, f"{name} is not pressed")


def rows(traffic):
    """The list's lines, or none when the look did not answer in time (now
    and then one waits on the bus for good: the next one is asked)."""
    return traffic.look("rows", "Traffico", limit=10) or []


def await_rows(traffic, found, why, timeout=40.0):
    """Waits for found(rows) to hold; fails with why and the rows."""
    seen = []

    def check():
        seen[:] = rows(traffic)
        return found(seen)
    if not expect_quietly(check, timeout):
        fail(f"{why}; the list reads: {seen[-8:]}")
    return seen


def expect_quietly(condition, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.3)
    return condition()


def request_then_reply(lines):
    return any(REQUEST.search(a) and REPLY.search(b) for a, b in zip(lines, lines[1:]))


def commands(board):
    """The bytes the board received, in hex, each run of the tick's reads
    ("a", "T" "t") as one "tick": the number of ticks may differ between
    two sessions, and the pseudo-terminal splits reads as it likes."""
    stream = "".join(board.reads())
    return re.sub(r"(?:(?:61|54 74) )+", "tick ", stream).strip()


def wire_session(session, tag, window_open):
    """Connect, write row 1, switch LED 1 on, a few ticks with both
    acquisitions, then both off: what the board received."""
    board, app, panel = start(session, tag)
    if window_open:
        open_traffic(panel)
    connect(panel)
    keyboard_scenario.clear(panel, "Riga 1")
    x11.type_text("Ciao", 60)
    panel.click("Aggiorna riga 1")
    board.received(b"Ciao")
    panel.click("LED 1")
    expect(lambda: panel.state("LED 1").pressed, "LED 1 is not pressed")
    for name in ("Acquisisci temperatura", "Acquisisci ingresso analogico"):
        panel.click(name)
    time.sleep(3.5)
    for name in ("Acquisisci temperatura", "Acquisisci ingresso analogico"):
        panel.click(name)
    expect(lambda: not panel.state("Acquisisci temperatura").pressed, "the temperature is still acquired")
    time.sleep(1.5)
    stop(session, board, app)
    return commands(board)


with Session("velmora traffic under X11") as session:
    session.display("1280x1024")
    session.session_bus()

    with session.step("the item opens the window, once"):
        board, app, panel = start(session, "fine")
        if panel.look("shown") and linux_panel.Window("velmora", "Traffico").look("shown"):
            fail("a window Traffico is there before the item is chosen")
        traffic = open_traffic(panel)
        for name in ("Pausa", "Azzera", "Copia", "Salva..."):
            traffic.state(name)
        x11.keys(panel.xid, "alt+space")
        time.sleep(0.5)
        x11.press("t")
        time.sleep(1)
        if len(x11.named("Traffico")) != 1:
            fail(f"{len(x11.named('Traffico'))} windows titled Traffico")

    with session.step("one tick's request, reply and delay"):
        connect(panel, "Acquisisci ingresso analogico")
        lines = await_rows(traffic, request_then_reply, "no request \"a\" followed by its reply")
        print("a tick:", *lines[-2:], sep="\n  ")

    with session.step("Azzera empties the list, and lines come again"):
        traffic.click("Azzera")
        await_rows(traffic, lambda now: len(now) <= 2, "Azzera left the lines")
        await_rows(traffic, request_then_reply, "no line after Azzera")

    with session.step("Pausa, from its mnemonic, adds no line across ticks"):
        x11.keys(traffic.xid, "alt+p")
        traffic.state("Riprendi")
        before = traffic.rows("Traffico")
        now = []

        def unchanged():
            # A look that did not answer in time tells nothing.
            now[:] = traffic.look("rows", "Traffico", limit=10) or before
            return now == before
        if not holds(unchanged, 2.5, 0.5):
            fail(f"lines were added while paused: {now[len(before):]}")

    with session.step("Salva... writes the shown lines"):
        chooser_title = "Salva traffico"
        traffic.click("Salva...")
        chooser = x11.window(chooser_title)
        x11.keys(chooser, "ctrl+a")
        x11.type_text("traffico.txt", 40)
        x11.keys(chooser, "Return")
        if not x11.gone(chooser_title):
            fail("the file chooser did not close")
        saved = session.work / "traffico.txt"
        expect(saved.exists, "no file traffico.txt written")
        expect(lambda: saved.stat().st_size > 0, "traffico.txt is empty")
        text = saved.read_bytes().decode("utf-8")
        if text.splitlines() != before:
            fail(f"the file holds {text.splitlines()[-3:]}, the list {before[-3:]}")
        x11.keys(traffic.xid, "alt+r")
        traffic.state("Pausa")
        await_rows(traffic, lambda now: len(now) > len(before) + 1, "Riprendi added no line")

    with session.step("a screenshot with real traffic"):
        panel.click("Acquisisci temperatura")
        keyboard_scenario.clear(panel, "Riga 2")
        x11.type_text("Velmora", 60)
        panel.click("Aggiorna riga 2")
        panel.click("LED 2")
        await_rows(traffic, lambda now: any("LED 2 acceso" in r for r in now), "no line for LED 2")
        time.sleep(2.5)
        x11.screenshot(shots / "traffic.png", traffic.xid)
        print(f"traffic window: {shots / 'traffic.png'}")
        stop(session, board, app)

    with session.step("a silent board's read times out"):
        board, app, panel = start(session, "never", "never")
        traffic = open_traffic(panel)
        connect(panel, "Acquisisci ingresso analogico")
        lines = await_rows(traffic, lambda now: any(REQUEST.search(r) for r in now)
                           and any(re.search(r"scaduto\s.*nessuna risposta entro 300 ms$", r) for r in now),
                           "no read timed out")
        print("silent:", *lines[-2:], sep="\n  ")
        stop(session, board, app)

    with session.step("an extra-bytes board's bytes discarded before the next request"):
        board, app, panel = start(session, "extra", "extra")
        traffic = open_traffic(panel)
        connect(panel, "Acquisisci ingresso analogico")

        def discarded_then_request(now):
            return any(re.search(r'scartato\s+"XY"\s+scartati 2 byte\s+\[58 59\]$', a) and REQUEST.search(b)
                       for a, b in zip(now, now[1:]))
        lines = await_rows(traffic, discarded_then_request, "no 2 bytes discarded before a request")
        print("extra:", *lines[-3:], sep="\n  ")
        stop(session, board, app)

    with session.step("the bytes on the wire are the same with the window open"):
        closed = wire_session(session, "closed", False)
        opened = wire_session(session, "open", True)
        print("received:", closed)
        if closed != opened:
            fail(f"with the window closed the board received {closed}, with it open {opened}")
