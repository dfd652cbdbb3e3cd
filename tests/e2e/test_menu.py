#!/usr/bin/env python3
"""End-to-end tests of the Linux menu program.

Every test lays out a small disc of its own in a temporary folder (the
program, autoplay.ini, a solid-colour picture, helper programs where needed),
starts the real program from it on a private Xvfb screen, drives it with
xdotool and checks what a user would see and get: window properties,
screenshots, exit statuses and the files that started programs write.

The programs under test come from the environment (set by CTest) or from the
command line:

    AUTOPLAY_PROGRAM=build/x11/src/autoplay \\
    AUTOPLAY_RECORD_ARGS=build/x11/tests/e2e/autoplay-e2e-record-args \\
    python3 tests/e2e/test_menu.py -v

    python3 tests/e2e/test_menu.py --program PATH --record-args PATH -v
"""

import collections
import contextlib
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _take_option(option, variable, default):
    """Takes `option PATH` out of the command line (unittest must not see
    it), else the environment variable, else the default."""
    if option in sys.argv:
        at = sys.argv.index(option)
        if at + 1 >= len(sys.argv):
            sys.exit(f"{option} needs a path")
        value = sys.argv[at + 1]
        del sys.argv[at:at + 2]
        return os.path.abspath(value)
    return os.path.abspath(os.environ.get(variable) or default)


PROGRAM = _take_option("--program", "AUTOPLAY_PROGRAM", os.path.join(SOURCE_ROOT, "build/x11/src/autoplay"))
RECORD_ARGS = _take_option("--record-args", "AUTOPLAY_RECORD_ARGS",
                           os.path.join(SOURCE_ROOT, "build/x11/tests/e2e/autoplay-e2e-record-args"))

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
WAIT_SECONDS = 10.0  # the longest anything is waited for: a window, a file, a process end

MENU_CLASS = "AutoplayMenu"
BOX_CLASS = "AutoplayMessage"

# The colours of the test discs; all different, so a pixel tells what it is.
BACK = 0x203040
TEXT = 0xF0F0F0
ENTER = 0xFFD000
CLICK = 0xE02020
PICTURE = 0x10A040

# Big bold text, so the cores of the glyphs are painted in the exact colour.
FONT_LINES = ["FontFace=DejaVu Sans", "FontSize=20", "FontBold=1"]
MARGINS = {"Left": 20, "Right": 30, "Top": 25, "Bottom": 15}
LINE_SPACING = 12

# ---------------------------------------------------------------------------
# Waiting


def wait_for(probe, what, timeout=WAIT_SECONDS, interval=0.05):
    """Calls `probe` until it gives something true and returns that; fails
    naming `what` when `timeout` seconds pass first."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"gave up after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


# ---------------------------------------------------------------------------
# The private X server


class VirtualScreen:
    """An Xvfb of our own on the first free display number from :150 on."""

    def __init__(self):
        self.process = None
        self.display = None

    def start(self):
        if self.process:
            return self.display
        for number in range(150, 250):
            if os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            display = f":{number}"
            process = subprocess.Popen(
                ["Xvfb", display, "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp",
                 "-noreset"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if self._answers(process, display):
                self.process, self.display = process, display
                return display
            self._stop(process)  # someone took the number first: try the next
        raise RuntimeError("no free display number for Xvfb between :150 and :249")

    @staticmethod
    def _answers(process, display):
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if process.poll() is not None:
                return False
            probe = subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return True
            time.sleep(0.1)
        return False

    @staticmethod
    def _stop(process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout=WAIT_SECONDS)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def stop(self):
        if self.process:
            self._stop(self.process)
            self.process = None


SCREEN = VirtualScreen()


def setUpModule():
    for path, what in ((PROGRAM, "the menu program (AUTOPLAY_PROGRAM or --program)"),
                       (RECORD_ARGS, "the record-args helper (AUTOPLAY_RECORD_ARGS or --record-args)")):
        if not os.access(path, os.X_OK):
            raise RuntimeError(f"{what} is not there: {path}")
    for tool in ("Xvfb", "xdotool", "xprop", "xdpyinfo", "import"):
        if not shutil.which(tool):
            raise RuntimeError(f"{tool} is not installed")
    os.environ["DISPLAY"] = SCREEN.start()


def tearDownModule():
    SCREEN.stop()


# ---------------------------------------------------------------------------
# X tools


def run_tool(*arguments, check=True):
    result = subprocess.run(list(arguments), capture_output=True, timeout=30,
                            env=dict(os.environ, LC_ALL="C.UTF-8"))
    if check and result.returncode != 0:
        raise AssertionError(f"{' '.join(arguments)} failed ({result.returncode}): "
                             f"{result.stderr.decode(errors='replace')}")
    return result.stdout.decode("utf-8", errors="replace")


def visible_windows(window_class):
    """The ids of the mapped windows whose WM_CLASS class is `window_class`."""
    output = run_tool("xdotool", "search", "--onlyvisible", "--class", f"^{window_class}$", check=False)
    return [int(line) for line in output.split()]


def wait_for_window(window_class):
    """The first mapped window of the class."""
    def probe():
        shown = visible_windows(window_class)
        return shown[0] if shown else None
    return wait_for(probe, f"a window of class {window_class}")


def wait_for_next_window(window_class, previous):
    """A window of the class shown after `previous` has gone: another
    window, or the same one once it has been seen unmapped."""
    seen_gone = False

    def probe():
        nonlocal seen_gone
        shown = visible_windows(window_class)
        seen_gone = seen_gone or previous not in shown
        fresh = [window for window in shown if window != previous or seen_gone]
        return fresh[0] if fresh else None
    return wait_for(probe, f"the next window of class {window_class}")


def window_property(window, name, raw=False):
    """A text property of a window, or None when the window does not have it;
    `raw` gives it as xprop writes it."""
    output = run_tool("xprop", "-id", str(window), name).strip()
    if " = " not in output:
        return None
    value = output.split(" = ", 1)[1]
    if not raw and value.startswith('"') and value.endswith('"'):
        value = value[1:-1].replace('\\"', '"').replace("\\\\", "\\")
    return value


def window_geometry(window):
    output = run_tool("xdotool", "getwindowgeometry", "--shell", str(window))
    values = dict(line.split("=", 1) for line in output.split() if "=" in line)
    return {key: int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")}


# Pointer and keys go through XTEST, as a user's devices would. (mousemove
# --sync is not used: it waits for a move that never comes when the pointer
# is already there.)
def move_pointer(x, y):
    run_tool("xdotool", "mousemove", str(x), str(y))


def press_button():
    run_tool("xdotool", "mousedown", "1")


def release_button():
    run_tool("xdotool", "mouseup", "1")


def press_key(window, key):
    """Gives `window` the keyboard focus and types `key` through XTEST, as a
    user's keyboard would."""
    run_tool("xdotool", "windowfocus", str(window), "key", key)


class Screenshot:
    """The whole screen as raw RGB bytes, indexed without any decoding."""

    def __init__(self, path):
        run_tool("import", "-window", "root", "-depth", "8", f"rgb:{path}")
        with open(path, "rb") as file:
            self.data = file.read()
        if len(self.data) != SCREEN_WIDTH * SCREEN_HEIGHT * 3:
            raise AssertionError(f"a screenshot of {len(self.data)} bytes, not {SCREEN_WIDTH} x {SCREEN_HEIGHT} x 3")

    def pixel(self, x, y):
        at = (y * SCREEN_WIDTH + x) * 3
        red, green, blue = self.data[at:at + 3]
        return red << 16 | green << 8 | blue

    def colours(self, rect):
        """How often each colour occurs in a screen rectangle (left, top,
        right, bottom; right and bottom excluded)."""
        left, top, right, bottom = rect
        counts = collections.Counter()
        for y in range(top, bottom):
            for x in range(left, right):
                counts[self.pixel(x, y)] += 1
        return counts

    def area(self, rect):
        left, top, right, bottom = rect
        return b"".join(self.data[(y * SCREEN_WIDTH + left) * 3:(y * SCREEN_WIDTH + right) * 3]
                        for y in range(top, bottom))


# ---------------------------------------------------------------------------
# Discs


def bmp_bytes(width, height, rgb):
    """A solid-colour 24-bit Windows bitmap, bottom-up, rows padded to four
    bytes."""
    row = bytes((rgb & 0xFF, rgb >> 8 & 0xFF, rgb >> 16 & 0xFF)) * width
    row += b"\0" * (-len(row) % 4)
    pixels = row * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def write_file(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as file:
        file.write(content)


def write_definition(folder, lines):
    """autoplay.ini with LF line ends, the last line ended too."""
    write_file(os.path.join(folder, "autoplay.ini"), "".join(line + "\n" for line in lines).encode("cp1252"))


def menu_definition(entries, title=("Sample Disc", "Start Here"), background="pic.bmp", extra=()):
    """A definition in the test discs' colours, font and margins; each entry
    is a list of "Key=value" lines."""
    lines = [f"Title1={title[0]}", f"Title2={title[1]}"]
    if background:
        lines.append(f"Background={background}")
    lines += [f"ColorBack={BACK:06X}", f"ColorText={TEXT:06X}", f"ColorEnter={ENTER:06X}",
              f"ColorClick={CLICK:06X}"]
    lines += FONT_LINES
    lines += [f"Margin{side}={value}" for side, value in MARGINS.items()]
    lines += [f"LineSpacing={LINE_SPACING}", *extra, f"NofItems={len(entries)}"]
    for number, entry in enumerate(entries, 1):
        lines.append(f"[ITEM{number}]")
        lines += entry
    return lines


# ---------------------------------------------------------------------------
# The layout report (AUTOPLAY_SHOW_LAYOUT=1)


class Layout:
    """What the program says of its layout on standard error."""

    CLIENT = re.compile(r"^autoplay: client (-?\d+) x (-?\d+), frame (-?\d+) x (-?\d+) at \((-?\d+), (-?\d+)\)")
    ENTRY = re.compile(r'^autoplay: entry (\d+) \((-?\d+), (-?\d+)\)-\((-?\d+), (-?\d+)\) "')
    LINE = re.compile(r"^autoplay: font .* dpi: height -?\d+, line (\d+),")

    def __init__(self, text):
        self.client = self.frame = self.position = None
        self.line_height = None
        self.entries = []
        for line in text.splitlines():
            if match := self.CLIENT.match(line):
                values = [int(value) for value in match.groups()]
                self.client, self.frame, self.position = tuple(values[0:2]), tuple(values[2:4]), tuple(values[4:6])
            elif match := self.ENTRY.match(line):
                self.entries.append(tuple(int(value) for value in match.groups()[1:]))
            elif match := self.LINE.match(line):
                self.line_height = int(match.group(1))


# ---------------------------------------------------------------------------
# The tests' common ground


class MenuTestCase(unittest.TestCase):
    """A temporary folder per test, and every process the test started ended
    at its end."""

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="autoplay-e2e-")
        self.record = os.path.join(self.work, "record.txt")
        self.processes = []
        self.outputs = []
        # The pointer waits in a corner, away from where menus appear.
        move_pointer(0, 0)
        self.wait_for_no_windows()

    def tearDown(self):
        self.stop_processes()
        for file in self.outputs:
            file.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def stop_processes(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            process.wait()
        self.processes.clear()
        # A button left down would change what the next test sees.
        release_button()
        self.wait_for_no_windows()

    @contextlib.contextmanager
    def case(self, *what, **values):
        """A subtest of a table whose processes end with it, passed or not,
        so the next row starts on a clear screen."""
        with self.subTest(*what, **values):
            try:
                yield
            finally:
                self.stop_processes()

    def wait_for_no_windows(self):
        wait_for(lambda: not visible_windows(MENU_CLASS) and not visible_windows(BOX_CLASS),
                 "the windows of earlier menus to go")

    # Discs

    def make_disc(self, lines=None, picture=(120, 90), folder=None, programs=()):
        """A disc folder holding the program, `lines` as autoplay.ini (none
        when None), pic.bmp of `picture` size in PICTURE colour, and the
        record-args helper at each path of `programs`."""
        folder = folder or os.path.join(self.work, "disc")
        os.makedirs(folder, exist_ok=True)
        shutil.copy(PROGRAM, os.path.join(folder, "autoplay"))
        if lines is not None:
            write_definition(folder, lines)
        if picture:
            write_file(os.path.join(folder, "pic.bmp"), bmp_bytes(*picture, PICTURE))
        for path in programs:
            os.makedirs(os.path.dirname(os.path.join(folder, path)), exist_ok=True)
            shutil.copy(RECORD_ARGS, os.path.join(folder, path))
        return folder

    # Running the program

    def start_menu(self, disc, argv0=None, cwd=None, path_first=None):
        """Starts the program in the disc folder with the layout report on and
        no language folder. By default it is started by its absolute path
        from another current directory; `argv0` is the name it is given
        instead, `cwd` where it starts and `path_first` a folder put before
        the others in PATH."""
        environment = dict(os.environ, LC_ALL="C", AUTOPLAY_SHOW_LAYOUT="1", AUTOPLAY_RECORD=self.record)
        for name in ("LANG", "LC_MESSAGES"):
            environment.pop(name, None)
        if path_first:
            environment["PATH"] = path_first + os.pathsep + environment.get("PATH", "")
        index = len(self.processes)
        stdout = open(os.path.join(self.work, f"stdout-{index}.txt"), "w+b")
        stderr = open(os.path.join(self.work, f"stderr-{index}.txt"), "w+b")
        self.outputs += [stdout, stderr]
        program = os.path.join(disc, "autoplay")
        process = subprocess.Popen([argv0 or program], executable=program, cwd=cwd or self.work, env=environment,
                                   stdout=stdout, stderr=stderr, stdin=subprocess.DEVNULL)
        process.stdout_path, process.stderr_path = stdout.name, stderr.name
        self.processes.append(process)
        return process

    @staticmethod
    def output_of(process, stream="stdout"):
        with open(process.stdout_path if stream == "stdout" else process.stderr_path, "rb") as file:
            return file.read().decode("utf-8", errors="replace")

    def wait_for_exit(self, process):
        try:
            return process.wait(timeout=WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {WAIT_SECONDS:.0f} s") from None

    def open_menu(self, disc, **start):
        """Starts the menu (`start` as for start_menu) and waits until its
        window shows the picture and every entry in the text colour. Gives
        the process, the window, its geometry and the layout report."""
        process = self.start_menu(disc, **start)
        window = wait_for_window(MENU_CLASS)
        geometry = window_geometry(window)
        layout = Layout(self.output_of(process, "stderr"))
        self.assertIsNotNone(layout.client, "no layout report on standard error")
        menu = {"process": process, "window": window, "geometry": geometry, "layout": layout}
        wait_for(lambda: self.painted(menu), "the menu to be painted")
        return menu

    def painted(self, menu):
        shot = self.screenshot()
        if shot.pixel(menu["geometry"]["X"], menu["geometry"]["Y"]) != PICTURE:
            return False
        return all(shot.colours(self.on_screen(menu, entry))[TEXT] > 0 for entry in menu["layout"].entries)

    def screenshot(self):
        return Screenshot(os.path.join(self.work, "screen.rgb"))

    @staticmethod
    def on_screen(menu, rect, grow=0):
        """A client rectangle in screen coordinates, grown by `grow` pixels
        on every side."""
        x, y = menu["geometry"]["X"], menu["geometry"]["Y"]
        left, top, right, bottom = rect
        return (x + left - grow, y + top - grow, x + right + grow, y + bottom + grow)

    @staticmethod
    def centre(menu, rect):
        left, top, right, bottom = MenuTestCase.on_screen(menu, rect)
        return (left + right) // 2, (top + bottom) // 2

    def click(self, menu, entry_index):
        x, y = self.centre(menu, menu["layout"].entries[entry_index])
        # One xdotool run, so the move reaches the server before the press.
        run_tool("xdotool", "mousemove", str(x), str(y), "mousedown", "1", "mouseup", "1")

    # What started programs wrote

    def runs(self):
        """The runs the record-args helper wrote: each a list of its working
        directory and its arguments, argv[0] first."""
        if not os.path.exists(self.record):
            return []
        with open(self.record, encoding="utf-8") as file:
            lines = file.read().split("\n")
        runs, current = [], None
        for line in lines:
            if line == "run" and current is None:
                current = []
            elif line == "end" and current is not None:
                runs.append(current)
                current = None
            elif current is not None:
                current.append(line)
        return runs

    def wait_for_runs(self, count):
        return wait_for(lambda: len(self.runs()) >= count and self.runs(), f"{count} run(s) of the started program")


# ---------------------------------------------------------------------------
# The window


class WindowTest(MenuTestCase):

    def test_title_size_and_centred_position(self):
        cases = [
            # (what, picture size, entry labels, Title1/Title2, the window title)
            ("picture taller than the column", (160, 400), ["Install", "Exit"],
             ("Sample Disc", "Start Here"), "Sample Disc - Start Here"),
            ("column taller than the picture", (90, 40), ["Install the\\nprogram", "Read me", "Leave"],
             ("Sample Disc", ""), "Sample Disc"),
            ("Windows-1252 title", (200, 100), ["Go"],
             ("T\u00edtulo", "Men\u00fa"), "T\u00edtulo - Men\u00fa"),
        ]
        for what, picture, labels, title, expected_title in cases:
            with self.case(what):
                disc = self.make_disc(menu_definition([[f"Label={label}"] for label in labels], title=title),
                                      picture=picture)
                menu = self.open_menu(disc)
                window, geometry, layout = menu["window"], menu["geometry"], menu["layout"]

                self.assertEqual(window_property(window, "WM_NAME"), expected_title)
                self.assertEqual(window_property(window, "_NET_WM_NAME"), expected_title)
                self.assertEqual(re.findall(r'"([^"]*)"', window_property(window, "WM_CLASS", raw=True)),
                                 ["autoplay", MENU_CLASS])

                # The entries stand in a column right of the picture, one line
                # high per label line, LineSpacing apart.
                self.assertEqual(len(layout.entries), len(labels))
                self.assertIsNotNone(layout.line_height)
                top = MARGINS["Top"]
                for (left, entry_top, right, bottom), label in zip(layout.entries, labels):
                    self.assertEqual(left, picture[0] + MARGINS["Left"])
                    self.assertEqual(entry_top, top)
                    self.assertEqual(bottom - entry_top, layout.line_height * (label.count("\\n") + 1))
                    self.assertGreater(right, left)
                    top = bottom + LINE_SPACING

                # Client = picture + column side by side, as tall as the taller.
                column_width = (max(right - left for left, _, right, _ in layout.entries) + MARGINS["Left"] +
                                MARGINS["Right"])
                column_height = top - LINE_SPACING + MARGINS["Bottom"]
                expected = (picture[0] + column_width, max(picture[1], column_height))
                self.assertEqual(layout.client, expected)
                self.assertEqual((geometry["WIDTH"], geometry["HEIGHT"]), expected)

                # Centred on the screen; with no window manager frame = client.
                self.assertEqual((geometry["X"], geometry["Y"]),
                                 ((SCREEN_WIDTH - expected[0]) // 2, (SCREEN_HEIGHT - expected[1]) // 2))
                self.assertEqual(layout.position, (geometry["X"], geometry["Y"]))

    def test_program_folder_comes_from_the_name_it_was_started_by(self):
        disc = self.make_disc(menu_definition([["Label=Go"]]))
        cases = [
            # (what, argv[0], current directory, folder put first in PATH)
            ("absolute path", os.path.join(disc, "autoplay"), "/", None),
            ("path relative to the current directory", "disc/autoplay", self.work, None),
            ("backslash as separator", "disc\\autoplay", self.work, None),
            ("bare name found through PATH", "autoplay", "/", disc),
        ]
        for what, argv0, cwd, path_first in cases:
            with self.case(what):
                # The disc's title and picture show that autoplay.ini was
                # read from the disc folder.
                menu = self.open_menu(disc, argv0=argv0, cwd=cwd, path_first=path_first)
                self.assertEqual(window_property(menu["window"], "WM_NAME"), "Sample Disc - Start Here")


# ---------------------------------------------------------------------------
# Painting and the pointer


class PaintingTest(MenuTestCase):

    # Labels without descenders or overhanging letters keep the ink inside
    # the entries' rectangles.
    LABELS = ["Install", "Read me", "Exit menu"]

    def open_colour_menu(self):
        # No Action: releasing the button over an entry starts nothing.
        disc = self.make_disc(menu_definition([[f"Label={label}"] for label in self.LABELS]), picture=(150, 260))
        return self.open_menu(disc)

    def entry_colours(self, menu, index, shot=None):
        shot = shot or self.screenshot()
        return shot.colours(self.on_screen(menu, menu["layout"].entries[index]))

    def wait_for_entry_colour(self, menu, index, colour, what):
        return wait_for(lambda: self.entry_colours(menu, index)[colour] > 0, what)

    def away_point(self, menu):
        """A point in the window's column, below every entry."""
        geometry = menu["geometry"]
        return geometry["X"] + geometry["WIDTH"] - 3, geometry["Y"] + geometry["HEIGHT"] - 3

    def test_picture_background_and_entries_at_rest(self):
        menu = self.open_colour_menu()
        layout, geometry = menu["layout"], menu["geometry"]
        shot = self.screenshot()

        picture = shot.colours(self.on_screen(menu, (0, 0, 150, 260)))
        self.assertEqual(set(picture), {PICTURE}, "the picture's area holds other colours")

        # Everything of the column away from the entries is background.
        near_entries = [self.on_screen(menu, entry, grow=3) for entry in layout.entries]
        stray = collections.Counter()
        for y in range(geometry["Y"], geometry["Y"] + geometry["HEIGHT"]):
            for x in range(geometry["X"] + 150, geometry["X"] + geometry["WIDTH"]):
                if not any(left <= x < right and top <= y < bottom for left, top, right, bottom in near_entries):
                    stray[shot.pixel(x, y)] += 1
        self.assertEqual(set(stray), {BACK}, "the column around the entries is not all background")

        for index in range(len(self.LABELS)):
            colours = self.entry_colours(menu, index, shot)
            self.assertGreater(colours[TEXT], 0, f"entry {index + 1} shows no text colour")
            self.assertGreater(colours[BACK], 0, f"entry {index + 1} shows no background")
            self.assertEqual(colours[ENTER] + colours[CLICK], 0, f"entry {index + 1} is lit at rest")

    def test_pointer_lights_an_entry_and_leaving_restores_it_exactly(self):
        menu = self.open_colour_menu()
        entries = [self.on_screen(menu, entry, grow=2) for entry in menu["layout"].entries]
        at_rest = self.screenshot()

        for round_number in range(3):
            with self.subTest(round=round_number + 1):
                move_pointer(*self.centre(menu, menu["layout"].entries[1]))
                self.wait_for_entry_colour(menu, 1, ENTER, "the entry under the pointer to light up")
                shot = self.screenshot()
                lit = self.entry_colours(menu, 1, shot)
                self.assertEqual(lit[TEXT], 0, "the lit entry still shows the text colour")
                for other in (0, 2):
                    colours = self.entry_colours(menu, other, shot)
                    self.assertGreater(colours[TEXT], 0)
                    self.assertEqual(colours[ENTER], 0, f"entry {other + 1} lit without the pointer")

                # Straight onto the next entry: the first goes back, the next lights.
                move_pointer(*self.centre(menu, menu["layout"].entries[2]))
                self.wait_for_entry_colour(menu, 2, ENTER, "the next entry to light up")
                wait_for(lambda: self.entry_colours(menu, 1)[ENTER] == 0, "the left entry to go back")

                move_pointer(*self.away_point(menu))
                wait_for(lambda: self.entry_colours(menu, 2)[ENTER] == 0, "the entry to go back")
                shot = self.screenshot()
                for index, rect in enumerate(entries):
                    self.assertEqual(shot.area(rect), at_rest.area(rect),
                                     f"entry {index + 1} does not look as after a fresh paint")

    def test_primary_button_shows_the_click_colour(self):
        menu = self.open_colour_menu()
        move_pointer(*self.centre(menu, menu["layout"].entries[0]))
        self.wait_for_entry_colour(menu, 0, ENTER, "the entry under the pointer to light up")

        press_button()
        self.wait_for_entry_colour(menu, 0, CLICK, "the pressed entry to show the click colour")
        self.assertEqual(self.entry_colours(menu, 0)[ENTER], 0)
        release_button()
        self.wait_for_entry_colour(menu, 0, ENTER, "the released entry to show the enter colour again")
        self.assertEqual(self.entry_colours(menu, 0)[CLICK], 0)

        # With the button held, an entry the pointer moves onto shows the
        # click colour too.
        move_pointer(*self.away_point(menu))
        wait_for(lambda: self.entry_colours(menu, 0)[ENTER] == 0, "the entry to go back")
        press_button()
        move_pointer(*self.centre(menu, menu["layout"].entries[2]))
        self.wait_for_entry_colour(menu, 2, CLICK, "the entry reached with the button held to show the click colour")
        release_button()
        self.wait_for_entry_colour(menu, 2, ENTER, "the entry to show the enter colour after the release")

        move_pointer(*self.away_point(menu))
        wait_for(lambda: self.entry_colours(menu, 2)[ENTER] == 0, "the entry to go back")
        colours = self.entry_colours(menu, 2)
        self.assertGreater(colours[TEXT], 0)
        self.assertEqual(colours[CLICK], 0)
        self.assertIsNone(menu["process"].poll(), "the menu ended")


# ---------------------------------------------------------------------------
# Starting programs and ending the menu


class LaunchTest(MenuTestCase):

    def test_click_starts_the_program_in_its_folder_with_windows_arguments(self):
        cases = [
            # (Dir=, Param=, the folder the program runs in, its arguments after argv[0])
            ("tools", 'a "b c" d\\"e', "tools", ["a", "b c", 'd"e']),
            ("tools", "", "tools", []),
            ("tools\\deeper", 'one\\two  "three\\\\" four\tfive', "tools/deeper", ["one\\two", "three\\", "four", "five"]),
            ("TOOLS", '"" x ""', "tools", ["", "x", ""]),
        ]
        entries = []
        for dir_value, param, _, _ in cases:
            entry = [f"Label=Run {len(entries) + 1}", "Action=record", f"Dir={dir_value}"]
            if param:
                entry.append(f"Param={param}")
            entries.append(entry)
        disc = self.make_disc(menu_definition(entries), picture=(100, 100),
                              programs=["tools/record", "tools/deeper/record"])
        menu = self.open_menu(disc)

        for number, (dir_value, param, folder, arguments) in enumerate(cases, 1):
            with self.subTest(dir=dir_value, param=param):
                self.click(menu, number - 1)
                runs = self.wait_for_runs(number)
                self.assertEqual(len(runs), number, "one click started more than one program")
                self.assertEqual(runs[-1], [os.path.realpath(os.path.join(disc, folder)), "record", *arguments])
        self.assertIsNone(menu["process"].poll(), "the menu ended after starting programs")

    def test_exit_entries_end_the_menu_with_status_0(self):
        cases = [
            # (what, the entry, whether a program was started)
            ("Action=exit", ["Action=exit"], False),
            ("Exit=1 after its program", ["Action=record", "Param=last", "Exit=1"], True),
        ]
        for what, entry, starts in cases:
            with self.case(what):
                if os.path.exists(self.record):
                    os.remove(self.record)
                disc = self.make_disc(menu_definition([["Label=Stay"], ["Label=Leave", *entry]]),
                                      picture=(100, 100), programs=["record"])
                menu = self.open_menu(disc)
                self.click(menu, 1)
                self.assertEqual(self.wait_for_exit(menu["process"]), 0)
                if starts:
                    self.assertEqual(self.wait_for_runs(1), [[os.path.realpath(disc), "record", "last"]])
                else:
                    self.assertEqual(self.runs(), [])


# ---------------------------------------------------------------------------
# Message boxes


class MessageBoxTest(MenuTestCase):

    def test_missing_definition_is_reported_and_ends_with_status_255(self):
        disc = self.make_disc(None, picture=None)
        process = self.start_menu(disc)
        box = wait_for_window(BOX_CLASS)
        for name in ("WM_NAME", "_NET_WM_NAME"):
            self.assertEqual(window_property(box, name), "Corvanta - Install Selection", name)
        self.assertEqual(visible_windows(MENU_CLASS), [], "the menu window shows beside the box")
        self.assertIsNone(process.poll(), "the program ended while its box was up")

        press_key(box, "Return")
        self.assertEqual(self.wait_for_exit(process), 255)

    def disc_prompt_menu(self):
        lines = menu_definition([["Label=Bonus", "Action=record", "Param=bonus", "Disk=DISC2"],
                                 ["Label=Marker", "Action=record", "Param=marker"]],
                                extra=["ThisDisk=DISC1"])
        disc = self.make_disc(lines, picture=(100, 100), programs=["record"])
        return disc, lines, self.open_menu(disc)

    def test_disc_prompt_retry_reads_the_disc_again(self):
        disc, lines, menu = self.disc_prompt_menu()
        self.click(menu, 0)
        box = wait_for_window(BOX_CLASS)
        self.assertEqual(window_property(box, "WM_NAME"), "Sample Disc - Start Here")

        # Retry with the same disc: asked again.
        press_key(box, "Return")
        box = wait_for_next_window(BOX_CLASS, box)
        self.assertEqual(self.runs(), [])

        # The other disc is in: Retry starts the program.
        write_definition(disc, [line.replace("ThisDisk=DISC1", "ThisDisk=DISC2") for line in lines])
        press_key(box, "Return")
        self.assertEqual(self.wait_for_runs(1), [[os.path.realpath(disc), "record", "bonus"]])
        wait_for(lambda: not visible_windows(BOX_CLASS), "the box to go")
        self.assertIsNone(menu["process"].poll(), "the menu ended")

    def test_disc_prompt_cancel_starts_nothing(self):
        disc, _, menu = self.disc_prompt_menu()
        geometry = menu["geometry"]
        window_area = (geometry["X"], geometry["Y"], geometry["X"] + geometry["WIDTH"],
                       geometry["Y"] + geometry["HEIGHT"])
        at_rest = self.screenshot().area(window_area)
        self.click(menu, 0)
        box = wait_for_window(BOX_CLASS)
        press_key(box, "Escape")
        wait_for(lambda: not visible_windows(BOX_CLASS), "the box to go")

        # Where the box was, the menu is painted again.
        move_pointer(0, 0)
        wait_for(lambda: self.screenshot().area(window_area) == at_rest,
                 "the menu to look as before the box once the pointer has left")

        # A later launch goes through; the cancelled one never ran before it.
        self.click(menu, 1)
        self.assertEqual(self.wait_for_runs(1), [[os.path.realpath(disc), "record", "marker"]])
        self.assertIsNone(menu["process"].poll(), "the menu ended")

    def test_broken_picture_is_reported_on_stdout_and_in_a_box(self):
        cases = [
            ("garbage", b"this is not a bitmap at all\n" * 20),
            ("missing", None),
        ]
        for what, content in cases:
            with self.case(what):
                disc = self.make_disc(menu_definition([["Label=Go"]]), picture=None,
                                      folder=os.path.join(self.work, what))
                if content is not None:
                    write_file(os.path.join(disc, "pic.bmp"), content)
                process = self.start_menu(disc)
                box = wait_for_window(BOX_CLASS)
                for name in ("WM_NAME", "_NET_WM_NAME"):
                    self.assertIn(window_property(box, name), ("", None), f"{name} of the error box")
                self.assertEqual(visible_windows(MENU_CLASS), [], "the menu window shows beside the error box")

                report = self.output_of(process).splitlines()
                self.assertEqual([line.split(" ", 1)[0] for line in report],
                                 ["Expection:", "File:", "Function:", "Line:"], report)
                self.assertIn("pic.bmp", report[0])
                self.assertRegex(report[3], r"^Line: \d+$")

                press_key(box, "Return")
                self.assertEqual(self.wait_for_exit(process), 0)
                self.assertEqual(visible_windows(MENU_CLASS), [])


# ---------------------------------------------------------------------------
# One copy at a time from a top-level autoplay folder


@unittest.skipUnless(os.geteuid() == 0, "needs root to make /autoplay on the root volume")
class SingleInstanceTest(MenuTestCase):

    def setUp(self):
        super().setUp()
        # A folder of our own at any depth below /autoplay counts; an
        # /autoplay that was there before is left as it was.
        self.made_top = not os.path.exists("/autoplay")
        os.makedirs("/autoplay", exist_ok=True)
        self.top_disc = f"/autoplay/e2e-{os.getpid()}"
        shutil.rmtree(self.top_disc, ignore_errors=True)
        self.make_disc(menu_definition([["Label=Stay"], ["Label=Leave", "Action=exit"]]), picture=(100, 100),
                       folder=self.top_disc)

    def tearDown(self):
        super().tearDown()
        shutil.rmtree(self.top_disc, ignore_errors=True)
        if self.made_top:
            try:
                os.rmdir("/autoplay")
            except OSError:
                pass  # someone else put something there meanwhile

    def assert_ended_without_window(self, process):
        self.assertEqual(self.wait_for_exit(process), 0)
        self.assertNotIn("autoplay: client", self.output_of(process, "stderr"), "the second copy built its window")
        self.assertEqual(len(visible_windows(MENU_CLASS)), 1)

    def test_second_copy_ends_while_the_first_runs(self):
        cases = [
            ("first ended by its exit entry", lambda menu: self.click(menu, 1)),
            ("first killed", lambda menu: menu["process"].send_signal(signal.SIGKILL)),
        ]
        for what, end_first in cases:
            with self.case(what):
                first = self.open_menu(self.top_disc)
                self.assert_ended_without_window(self.start_menu(self.top_disc))
                self.assertIsNone(first["process"].poll(), "the first copy ended")

                end_first(first)
                first["process"].wait(timeout=WAIT_SECONDS)
                wait_for(lambda: not visible_windows(MENU_CLASS), "the first copy's window to go")
                again = self.open_menu(self.top_disc)
                self.assertIsNone(again["process"].poll())

    def test_copy_outside_a_top_level_autoplay_folder_is_not_held_back(self):
        first = self.open_menu(self.top_disc)
        elsewhere = self.make_disc(menu_definition([["Label=Other"]]), picture=(100, 100))
        other = self.start_menu(elsewhere)
        wait_for(lambda: len(visible_windows(MENU_CLASS)) == 2, "the second menu's window")
        self.assertIsNone(other.poll())
        self.assertIsNone(first["process"].poll())


if __name__ == "__main__":
    unittest.main()
