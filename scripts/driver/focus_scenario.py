# The focus while the board leaves and comes back, as both builds are
# checked: typing in row 1 goes on where it was after the board is pulled,
# its box closed with Space and the board plugged back in; under the About
# box the poll goes on and the box telling of the board waits for it.
from driver import x11
from driver.session import expect, fail, holds

ABOUT = "Informazioni sul Velmora"


def space_on_box(panel, why):
    """Closes the box captioned velmora with Space, unread, as in the report."""
    box = x11.window("velmora")
    x11.keys(box, "space")
    if not x11.gone("velmora"):
        fail(f"Space did not close the box ({why})")


def across_the_reconnect(panel, board, why):
    """While the board is away row 1 is disabled and the focus waits on the
    next control; once the panel has connected again by itself, it is row 1's."""
    expect(lambda: not panel.state("Riga 1").enabled, f"row 1 is still enabled after the board left ({why})")
    x11.activate(panel.xid)
    expect(lambda: panel.focused() == "Chiudi",
           lambda _: f"with row 1 disabled the focus is on {panel.focused()!r}, not on Chiudi ({why})")
    board.plug()
    expect(lambda: panel.state("Riga 1").enabled, f"the panel did not connect again ({why})", 10)
    x11.activate(panel.xid)
    expect(lambda: panel.focused() == "Riga 1",
           lambda _: f"after the reconnect the focus is on {panel.focused()!r}, not on row 1 ({why})")


def typed(panel, want, why):
    expect(lambda: panel.state("Riga 1").text == want,
           lambda _: f"row 1 reads {panel.state('Riga 1').text!r}, not {want!r} ({why})")


def run(session, panel, board):
    with session.step("Alt+O connects"):
        x11.keys(panel.xid, "alt+o")
        expect(lambda: panel.state("Riga 1").enabled, "row 1 is not enabled", 10)

    with session.step("typing across the board's leaving and return"):
        panel.click("Riga 1")
        x11.keys(panel.xid, "End", "shift+Home", "BackSpace")
        x11.type_slowly(panel.xid, ["ciao "])
        board.pull()
        space_on_box(panel, "the board was pulled")
        across_the_reconnect(panel, board, "the board was pulled")
        x11.type_slowly(panel.xid, ["mondo", " bello"])
        typed(panel, "ciao mondo bello", "after the reconnect")
        if panel.focused() != "Riga 1":
            fail(f"the focus left row 1 while typing: {panel.focused()!r}")
        print("typed across the board's leaving and return: 'ciao mondo bello'")

    with session.step("the board leaves under the About box"):
        x11.keys(panel.xid, "End", "shift+Home", "BackSpace")
        x11.type_slowly(panel.xid, ["ciao "])
        x11.keys(panel.xid, "alt+space")
        x11.press("i")
        about = x11.window(ABOUT)
        clock = panel.readout("Ora del PC:")
        board.pull()
        if not holds(lambda: not x11.named("velmora"), 2.5):
            fail("a box opened over the About box")
        expect(lambda: panel.readout("Ora del PC:") != clock, "the clock stood still under the About box")
        expect(lambda: panel.state("On").enabled, "the board's leaving was not acted on under the About box")
        x11.keys(about, "Return")
        if not x11.gone(ABOUT):
            fail("Enter did not close the About box")
        space_on_box(panel, "the board left under the About box")
        across_the_reconnect(panel, board, "after the About box")
        x11.type_slowly(panel.xid, ["mondo"])
        typed(panel, "ciao mondo", "after the About box")
        print("the box waited for the About box; typing went on: 'ciao mondo'")
