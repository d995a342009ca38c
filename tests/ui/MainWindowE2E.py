#!/usr/bin/env python3
"""End-to-end run of the real program on a virtual display, as a user drives it.

    MainWindowE2E.py PROGRAM RUN_FOLDER

Starts PROGRAM in RUN_FOLDER (where the background picture lies) under
`xvfb-run` on a 1600 x 1100 screen, in a private home folder, and with xdotool:
holds the year's plus button for one second, types a date and a place with
Enter, switches the language to English through the Option menu and leaves by
the Exit item (Alt+X). Checks the exit code 0, the chart picture that Exit
saves (a 24-bit BMP of 12,000,054 bytes), the settings file (48 bytes with the
language and place given) and that the chart changed after the hold and after
the typed moment and place. Prints the number of steps of the held button and
the steps per second after its first pause. With TV_E2E_SHOTS set to a folder,
the screenshots are kept there as PNG files.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

SCREEN = (1600, 1100)

# Places in the input panel (its top-left corner is the origin): centres of
# the year's plus button, the six local date and time fields and the two
# place fields.
YEAR_PLUS = (48, 104)
FIELDS = {"Jahr": (48, 131), "Monat": (112, 131), "Daag": (149, 131), "Stunde": (196, 131),
          "Minute": (232, 131), "Sekunde": (268, 131), "nLat": (141, 461), "eLon": (142, 520)}


def fail(message):
    print("e2e: FAILED: " + message)
    sys.exit(1)


def run(*args, check=True):
    return subprocess.run(list(args), check=check, capture_output=True, text=True).stdout.strip()


def xdotool(*args):
    run("xdotool", *[str(a) for a in args])


def screenshot():
    """The whole screen as (width, height, RGB bytes)."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields = []
    pos = 0
    while len(fields) < 4:  # magic, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        fail("screenshot is not an 8-bit PPM picture")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


def pixel(shot, x, y):
    width, _, rgb = shot
    i = (y * width + x) * 3
    return rgb[i], rgb[i + 1], rgb[i + 2]


def dark(p):
    return max(p) < 60


def chart_square(shot):
    """The chart on screen: left, top and side of its square picture."""
    width, height, _ = shot
    y = height // 2
    left = next((x for x in range(width // 2) if dark(pixel(shot, x, y))), None)
    if left is None:
        return None
    column = left + 5  # the chart's dark rim, from the menu bar down to the status bar
    top = next((y for y in range(height) if dark(pixel(shot, column, y))), None)
    if top is None:
        return None
    bottom = top
    while bottom + 1 < height and dark(pixel(shot, column, bottom + 1)):
        bottom += 1
    if bottom - top < 200:
        return None
    return left, top, bottom - top + 1


def changed_share(a, b, square):
    """The share of pixels that differ between two shots inside the chart."""
    left, top, side = square
    differ = total = 0
    for y in range(top, top + side, 3):
        for x in range(left, left + side, 3):
            total += 1
            if pixel(a, x, y) != pixel(b, x, y):
                differ += 1
    return differ / total


def save(shot, folder, name):
    if not folder:
        return
    width, height, rgb = shot
    ppm = b"P6\n%d %d\n255\n" % (width, height) + rgb
    subprocess.run(["convert", "ppm:-", os.path.join(folder, name)], input=ppm, check=True)


def inner(program, folder):
    home = tempfile.mkdtemp(prefix="tarvelsicht-e2e-")
    shots = os.environ.get("TV_E2E_SHOTS", "")
    try:
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)  # the real platform, not the headless one of the other tests
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DOCUMENTS_DIR=os.path.join(home, "Documents"),
                   XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
        log = open(os.path.join(home, "program.log"), "w")
        process = subprocess.Popen([program], cwd=folder, env=env, stdout=log, stderr=subprocess.STDOUT)
        try:
            return drive(process, home, shots)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()
            log.close()
            with open(os.path.join(home, "program.log")) as text:
                output = text.read().strip()
            if output:
                print("e2e: program output:\n" + output)
    finally:
        shutil.rmtree(home, ignore_errors=True)


def drive(process, home, shots):
    window = ""
    for _ in range(120):
        window = run("xdotool", "search", "--name", "^Tarvelsicht", check=False).split("\n")[0]
        if window or process.poll() is not None:
            break
        time.sleep(0.5)
    if not window:
        fail("no main window appeared (exit code %s)" % process.poll())
    square = None
    for _ in range(60):
        time.sleep(0.5)
        first = screenshot()
        square = chart_square(first)
        if square:
            break
    if not square:
        fail("no chart on the screen")
    time.sleep(1.0)
    first = screenshot()
    save(first, shots, "1-start.png")
    left, top, side = square
    panel = (left + side, top)  # the input panel begins where the chart ends

    def at(place):
        return panel[0] + place[0], panel[1] + place[1]

    def field_text(name):
        # The clipboard first holds a mark, so that a busy program's late
        # copy is waited for rather than an older text taken for it.
        mark = "e2e-no-copy-yet"
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=mark, text=True, check=True)
        x, y = at(FIELDS[name])
        xdotool("mousemove", "--sync", x, y, "click", 1)
        time.sleep(0.2)
        xdotool("key", "--clearmodifiers", "ctrl+a", "ctrl+c")
        text = mark
        for _ in range(100):
            time.sleep(0.1)
            text = run("xclip", "-o", "-selection", "clipboard", check=False)
            if text != mark:
                break
        return text

    def enter(name, text):
        x, y = at(FIELDS[name])
        xdotool("mousemove", "--sync", x, y, "click", 1)
        time.sleep(0.2)
        xdotool("key", "--clearmodifiers", "ctrl+a")
        xdotool("type", "--delay", 30, "--", text)
        xdotool("key", "Return")
        time.sleep(0.3)

    # Hold the year's plus button for one second.
    year_before = field_text("Jahr")
    x, y = at(YEAR_PLUS)
    xdotool("mousemove", "--sync", x, y)
    start = time.monotonic()
    xdotool("mousedown", 1)
    time.sleep(1.0)
    xdotool("mouseup", 1)
    held = time.monotonic() - start
    time.sleep(1.0)
    year_after = field_text("Jahr")
    try:
        steps = int(year_after) - int(year_before)
    except ValueError:
        fail("year field reads %r before and %r after the hold" % (year_before, year_after))
    if steps < 2:
        fail("a held button stepped %d times in %.2f s" % (steps, held))
    rate = (steps - 1) / (held - 0.25)
    print("e2e: year plus held %.2f s: %d steps, %.1f steps per second after the pause" % (held, steps, rate))
    second = screenshot()
    save(second, shots, "2-held.png")

    # A moment and a place typed, each applied with Enter.
    for name, text in (("Jahr", "2024"), ("Monat", "8"), ("Daag", "12"), ("Stunde", "22"), ("Minute", "0"),
                       ("Sekunde", "0"), ("nLat", "-33.87"), ("eLon", "151.21")):
        enter(name, text)
    time.sleep(0.5)
    third = screenshot()
    save(third, shots, "3-typed.png")
    month = field_text("Monat")
    if month != "08":
        fail("the month field shows %r after Enter" % month)

    # English through the Option menu, its second item.
    xdotool("key", "--clearmodifiers", "alt+o")
    time.sleep(0.5)
    xdotool("key", "Down")
    xdotool("key", "Return")
    time.sleep(1.0)
    fourth = screenshot()
    save(fourth, shots, "4-english.png")

    # Whole years at the same local time can bring the stars back close to
    # where they stood (about 128 years do), so that after the hold only the
    # Moon, its path and the planets may have moved: under 1 % of the chart,
    # but never nothing. The typed moment and place change the whole sky.
    for name, a, b, least in (("the hold", first, second, 0.001),
                              ("the typed moment and place", second, third, 0.01)):
        share = changed_share(a, b, square)
        if share < least:
            fail("the chart did not change with %s (%.4f of its pixels)" % (name, share))
        print("e2e: %.4f of the chart's pixels changed with %s" % (share, name))

    # Exit: the chart picture, then the settings, then the end.
    xdotool("key", "--clearmodifiers", "alt+x")
    try:
        code = process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        fail("the program did not end after Exit")
    if code != 0:
        fail("exit code %d" % code)
    picture = os.path.join(home, "Documents", "Tarvelsicht", "Tarvelsicht_Bild.bmp")
    size = os.path.getsize(picture) if os.path.exists(picture) else -1
    with open(picture, "rb") if size > 0 else open(os.devnull, "rb") as bmp:
        head = bmp.read(2)
    if size != 12000054 or head != b"BM":
        fail("chart picture of %d bytes" % size)
    settings = os.path.join(home, ".config", "Tarvelsicht", "Tarvelsicht.ini")
    with open(settings, "rb") as record_file:
        record = record_file.read()
    if len(record) != 48:
        fail("settings file of %d bytes" % len(record))
    language = record[17]
    zone, = struct.unpack_from("<i", record, 20)
    lat, lon = struct.unpack_from("<dd", record, 32)
    if language != 1 or (lat, lon) != (-33.87, 151.21) or not 0 <= zone <= 39:
        fail("settings written as language %d, zone %d, place %r, %r" % (language, zone, lat, lon))
    print("e2e: exit code 0, chart picture %d bytes, settings %d bytes (language %d, zone %d, %.2f %.2f)"
          % (size, len(record), language, zone, lat, lon))
    return 0


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, folder = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    started = os.environ.get("TV_E2E_STARTED")
    if not started:
        # Two xvfb-run -a starting at once may pick the same display number,
        # and then one of the servers fails to start: try again when the run
        # never reached this script on the virtual display.
        with tempfile.TemporaryDirectory(prefix="tarvelsicht-e2e-start-") as marks:
            for attempt in range(1, 4):
                mark = os.path.join(marks, str(attempt))
                env = dict(os.environ, TV_E2E_STARTED=mark)
                code = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 %dx%dx24" % SCREEN, sys.executable,
                                       os.path.abspath(__file__), program, folder], env=env).returncode
                if os.path.exists(mark):
                    return code
                print("e2e: the virtual display did not start (exit code %d), attempt %d" % (code, attempt))
                time.sleep(attempt)
        return 1
    open(started, "w").close()
    return inner(program, folder)


if __name__ == "__main__":
    sys.exit(main())
