# The simulated board behind the name "COM3" in the work folder (and, for
# a program under Wine, behind the prefix's COM3): plugged in, pulled out,
# and what it received.
import os
import re
from pathlib import Path

from driver.session import expect


class Board:
    def __init__(self, session, program, wine_prefix=None, log="board.log", name="COM3", args=()):
        self.session = session
        self.program = program
        self.link = session.work / name
        self.log = session.work / log
        self.args = list(args)
        self.dosdevice = Path(wine_prefix) / "dosdevices" / name.lower() if wine_prefix else None
        self.process = None
        if self.dosdevice:
            session.on_end(lambda: self.dosdevice.unlink(missing_ok=True))

    def plug(self, window=False):
        """A board under the name; waits for its link."""
        command = [self.program, "--link", self.link, *self.args]
        if not window:
            command.insert(1, "--no-window")
        self.process = self.session.start(command, log=self.log.name)
        expect(lambda: self.link.is_symlink(), f"the board made no link: {self.log.read_text()}")
        self.tty = os.readlink(self.link)
        if self.dosdevice:
            self.dosdevice.unlink(missing_ok=True)
            self.dosdevice.symlink_to(self.tty)
        return self

    def pull(self, sig=None):
        """TERM: the board ends and its pseudo-terminal hangs up, as a pulled
        cable; the prefix's COM3 goes with it, as the work folder's link does
        (the freed pseudo-terminal's number may soon serve another program)."""
        self.session.stop(self.process)
        if self.dosdevice:
            self.dosdevice.unlink(missing_ok=True)

    def reads(self):
        """What the board received, one read a line, in hex ("4C 45 44 ")."""
        return [line for line in self.log.read_text(errors="replace").splitlines()
                if re.fullmatch(r"([0-9A-F]{2} )+", line)]

    def received(self, data, timeout=5.0):
        """Waits for the bytes data to have reached the board, across reads."""
        want = " ".join(f"{b:02X}" for b in data) + " "
        return expect(lambda: want in "".join(self.reads()), f"the board did not receive {data!r}", timeout)
