# The keyboard session both builds are driven through, with its one typing
# table: On and Off pressed from the keyboard hand the focus to each other;
# text typed slowly across ticks into row 1 and the combos ends exactly as
# typed and reaches the board; a combo completes only once the focus leaves.
from driver import x11
from driver.session import expect, fail, holds

# What each step presses, then the control that must hold the focus and
# whether On is enabled. "Off" has no mnemonic in the template; Space
# presses it. Tabs from the port combo reach On.
STEPS = [
    ("tabs", "On", True),
    ("space", "Off", False),    # connected
    ("space", "On", True),      # disconnected
    ("alt+o", "Off", False),    # connected again
]

# The control typed into, the chunks typed with a pause of more than a
# tick after each (the poll runs while the text is half typed), the text
# left, and the builds the case holds for ("/dev/pts/1" is a name of Linux).
TYPING = [
    ("Riga 1", ["abcdefg", "hijklmn"], "abcdefghijklmn", {"linux", "wine"}),
    ("Porta", ["/dev/", "pts/1"], "/dev/pts/1", {"linux"}),
    ("Porta", ["COM", "7"], "COM7", {"linux", "wine"}),
    ("Caratteri per riga", ["4", "0"], "40", {"linux", "wine"}),
]


def no_box():
    """No message box captioned velmora is open."""
    if x11.named("velmora"):
        fail("a message box is open")


def clear(panel, name):
    panel.click(name)
    x11.keys(panel.xid, "End", "shift+Home", "BackSpace")
    expect(lambda: panel.state(name).text == "", f"{name} was not emptied")


def run(session, panel, build, board, shots):
    with session.step("the port combo has the focus at the start"):
        expect(lambda: panel.focused() == "Porta", lambda _: f"the focus is on {panel.focused()!r}", 10)

    for key, want, on in STEPS:
        with session.step(f"{key} from the keyboard"):
            pressed = ["Tab"] * panel.TABS_PAST_COMBO if key == "tabs" else [key]
            x11.keys(panel.xid, *pressed)
            # A loaded machine may take a while to move the focus.
            expect(lambda: panel.focused() == want, lambda _: f"the focus is on {panel.focused()!r}, not {want}")
            expect(lambda: panel.state("On").enabled == on, f"On's enabled state is not {on}")
    with session.step("connected from the keyboard"):
        expect(lambda: panel.state("Off").enabled, "Off is not enabled")
        expect(lambda: panel.state("Riga 1").enabled, "row 1's editor is not enabled")
        no_box()

    with session.step("both readings polled, as in long use"):
        for name in ("Acquisisci temperatura", "Acquisisci ingresso analogico"):
            panel.click(name)
            expect(lambda: panel.state(name).pressed, f"{name} is not pressed")

    for name, chunks, want, builds in TYPING:
        if build not in builds:
            continue
        with session.step(f"typing {'|'.join(chunks)} into {name}"):
            clear(panel, name)
            x11.type_slowly(panel.xid, chunks)
            expect(lambda: panel.state(name).text == want, lambda _: f"it reads {panel.state(name).text!r}")
            if not holds(lambda: panel.state(name).text == want, 1.2):
                fail(f"a tick changed it to {panel.state(name).text!r}")
            print(f"typed {'|'.join(chunks)!r} into {name}: {want!r}")
    x11.screenshot(shots / f"{build}-typed.png", panel.xid)

    with session.step("row 1's Aggiorna sends what its editor holds"):
        panel.click("Aggiorna riga 1")
        board.received(b"abcdefghijklmn")

    with session.step("completion waits for the focus to leave"):
        clear(panel, "Caratteri per riga")
        x11.type_text("2")
        if not holds(lambda: panel.state("Caratteri per riga").text == "2", 2.2):
            fail(f"completed while it had the focus: {panel.state('Caratteri per riga').text!r}")
        x11.keys(panel.xid, "Tab")
        expect(lambda: panel.state("Caratteri per riga").text == "20",
               lambda _: f"not completed after the focus left: {panel.state('Caratteri per riga').text!r}")
        no_box()
