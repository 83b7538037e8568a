# The X display as a user meets it: windows by their exact title, keys,
# slow typing, clicks, screenshots and the colours in them. xdotool and
# ImageMagick do the work.
import subprocess
import time

from driver.session import expect, wait_for

# More than a tick of the panel's 1 s poll: typing paused this long lets the
# poll run while the text is half typed.
TICK_PAUSE = 1.6


def _run(*command):
    return subprocess.run([str(c) for c in command], capture_output=True, text=True).stdout


def named(title):
    """The shown windows titled exactly title (xdotool's own match ignores case)."""
    found = _run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").split()
    return [w for w in found if _run("xdotool", "getwindowname", w).rstrip("\n") == title]


def window(title, timeout=10.0):
    """Waits for a window titled exactly title; fails when none shows."""
    return expect(lambda: (named(title) or [None])[0], f"no window titled {title}", timeout)


def gone(title, timeout=5.0):
    return wait_for(lambda: not named(title), timeout)


def rect(win):
    """(x, y, width, height) of X window win on the screen."""
    shell = dict(line.split("=", 1) for line in _run("xdotool", "getwindowgeometry", "--shell", win).split())
    return tuple(int(shell[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def activate(win):
    """With no window manager nobody makes a window active again when a box
    closes: the test does, as a window manager would."""
    subprocess.run(["xdotool", "windowfocus", "--sync", str(win)], capture_output=True)


def keys(win, *names):
    """Presses keys (xdotool names, "alt+o") in window win, one by one."""
    activate(win)
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def press(*names):
    """Presses keys in whatever has the focus now (an open menu)."""
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def type_text(text, delay_ms=150):
    """Types text into whatever has the focus, a key every delay_ms."""
    subprocess.run(["xdotool", "type", "--delay", str(delay_ms), "--", text], check=True)


def type_slowly(win, chunks):
    """Types each chunk into window win and lets a tick pass after each."""
    activate(win)
    for chunk in chunks:
        type_text(chunk)
        time.sleep(TICK_PAUSE)


def click_at(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def click_middle(place):
    x, y, w, h = place
    click_at(x + w // 2, y + h // 2)


def pointer_to(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)


def screenshot(path, win="root"):
    subprocess.run(["import", "-window", str(win), str(path)], check=True)
    return path


def dominant(png, place):
    """The colour most pixels of place (x, y, w, h) of a screenshot have, "#RRGGBB"."""
    x, y, w, h = place
    out = _run("convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-format", "%c", "histogram:info:-")
    counts = []
    for line in out.splitlines():
        count, _, rest = line.strip().partition(":")
        hexes = [t for t in rest.split() if t.startswith("#")]
        if count.isdigit() and hexes:
            counts.append((int(count), hexes[0][:7].upper()))
    return max(counts)[1]


def luminance(colour):
    """The relative luminance of "#RRGGBB"."""
    channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
    r, g, b = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in channels]
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(colour_a, colour_b):
    a, b = sorted((luminance(colour_a), luminance(colour_b)))
    return round((b + 0.05) / (a + 0.05), 2)

