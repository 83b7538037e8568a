# The frame of a window test: a work folder, the processes it started
# (ended at its end, the X servers last), an X server that picks its own
# free display, a session bus on it, and the failure of a named step.
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from contextlib import contextmanager
from pathlib import Path


class Failure(Exception):
    """A check that did not hold; its text says which and why."""


def fail(why):
    raise Failure(why)


def wait_for(condition, timeout=5.0, every=0.1):
    """Polls condition() until it returns something true or the deadline
    passes; returns its last value, so a caller can say what it saw."""
    deadline = time.monotonic() + timeout
    while True:
        got = condition()
        if got or time.monotonic() >= deadline:
            return got
        time.sleep(every)


def expect(condition, why, timeout=10.0):
    """Waits for condition() as wait_for does, and fails with why (a text,
    or a function of the last value) when it never holds."""
    got = wait_for(condition, timeout)
    if not got:
        fail(why(got) if callable(why) else why)
    return got


def holds(condition, seconds, every=0.1):
    """Whether condition() stays true, looked at all along the next seconds:
    for what must not happen across ticks."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(every)
    return bool(condition())


def _read_line(fd, timeout):
    """The first line written to fd within timeout seconds, or ""."""
    deadline = time.monotonic() + timeout
    data = b""
    os.set_blocking(fd, False)
    while b"\n" not in data and time.monotonic() < deadline:
        try:
            chunk = os.read(fd, 256)
        except BlockingIOError:
            time.sleep(0.05)
            continue
        if not chunk:
            break
        data += chunk
    return data.decode().split("\n")[0].strip()


class Session:
    """Use as `with Session() as s:`; a Failure inside ends the test with
    "FAIL: step: why" and the end of each log in the work folder."""

    def __init__(self, name):
        self.name = name
        self.work = Path(tempfile.mkdtemp(prefix="velmora-test-"))
        self.step_name = "start"
        self._processes = []
        self._servers = []
        self._cleanups = []
        sys.stdout.reconfigure(line_buffering=True)
        # A time limit's TERM ends the test as a failure does: with its
        # processes and servers ended, not left behind.
        signal.signal(signal.SIGTERM, self._terminated)

    def _terminated(self, number, frame):
        raise Failure("ended by TERM (a time limit?)")

    # -- steps and failures
    @contextmanager
    def step(self, name):
        before, self.step_name = self.step_name, name
        yield
        self.step_name = before

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        failed = kind is not None
        if failed:
            if kind is Failure:
                print(f"FAIL: {self.step_name}: {error}", file=sys.stderr)
            else:
                import traceback
                print(f"FAIL: {self.step_name}: {kind.__name__}: {error}", file=sys.stderr)
                traceback.print_exception(kind, error, trace, file=sys.stderr)
            self._show_logs()
        self.end()
        if failed:
            sys.exit(1)
        print(f"{self.name}: all checks passed")
        return False

    def _show_logs(self):
        for log in sorted(self.work.glob("*.log")) + sorted(self.work.glob("*.csv")):
            lines = log.read_text(errors="replace").splitlines()[-40:]
            for line in lines:
                print(f"{log.name}: {line}", file=sys.stderr)

    def on_end(self, cleanup):
        """Runs cleanup() at the end, after the processes have ended."""
        self._cleanups.append(cleanup)

    def end(self):
        for process in reversed(self._processes):
            self.stop(process)
        for cleanup in reversed(self._cleanups):
            cleanup()
        # The display last: the programs end on their own terms, not on losing it.
        for server in reversed(self._servers):
            self.stop(server)
        shutil.rmtree(self.work, ignore_errors=True)

    # -- processes
    def start(self, command, log=None, env=None, cwd=None):
        """Starts command in the background, its output to log (a name in
        the work folder, appended to); it is ended at the test's end."""
        out = open(self.work / log, "ab") if log else subprocess.DEVNULL
        # Programs named by a path run from the work folder too.
        if "/" in str(command[0]):
            command = [Path(command[0]).resolve(), *command[1:]]
        process = subprocess.Popen([str(c) for c in command], stdout=out, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, cwd=cwd or self.work,
                                   env=None if env is None else {**os.environ, **env})
        self._processes.append(process)
        return process

    @staticmethod
    def stop(process, sig=signal.SIGTERM):
        if process.poll() is None:
            process.send_signal(sig)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    @staticmethod
    def ended(process, timeout=10.0):
        """Whether process ends within timeout seconds."""
        try:
            process.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def expect_end(self, process, why, status=0, timeout=10.0):
        """Fails with why when process does not end within timeout seconds,
        or ends with another status than status."""
        if not self.ended(process, timeout):
            fail(f"{why}: the program did not end")
        if process.returncode != status:
            fail(f"{why}: the program exited with {process.returncode}, not {status}")

    # -- the display and the bus
    def display(self, screen="1024x768"):
        """An X server of the test's own with one screen of screen (WxH);
        Xvfb picks a free display itself and says which, so tests run side
        by side. Sets DISPLAY; returns the server, for stop_display."""
        read_end, write_end = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen}x24",
                                   "-nolisten", "tcp"], pass_fds=(write_end,),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = _read_line(read_end, 20)
        os.close(read_end)
        if not number:
            self.stop(server)
            fail(f"Xvfb ({screen}) named no display")
        self._servers.append(server)
        os.environ["DISPLAY"] = f":{number}"
        answers = lambda: subprocess.run(["xdpyinfo"], capture_output=True).returncode == 0  # noqa: E731
        if not wait_for(answers, 10):
            fail(f"the X server on :{number} does not answer")
        return server

    def stop_display(self, server):
        self.stop(server)
        self._servers.remove(server)

    def session_bus(self):
        """A session bus of the test's own, started on the current display,
        so the accessibility bus it starts on demand is this display's."""
        # The accessibility bus's socket is named after the display number in
        # the user's runtime folder: a folder of the test's own keeps it from
        # meeting a bus of an earlier or another test on the same number.
        runtime = self.work / "runtime"
        runtime.mkdir(mode=0o700)
        os.environ["XDG_RUNTIME_DIR"] = str(runtime)
        read_end, write_end = os.pipe()
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
                               pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        os.close(write_end)
        address = _read_line(read_end, 20)
        os.close(read_end)
        if not address:
            fail("the session bus did not start")
        self._servers.append(bus)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ.pop("NO_AT_BRIDGE", None)
        return bus
