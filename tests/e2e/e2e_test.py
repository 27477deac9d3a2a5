#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""VrhEdit driven as a person would: a real X server (Xvfb), the real binary, the pointer and
keyboard through xdotool, results read from saved files and screenshots (ImageMagick).

usage: e2e_test.py SCENARIO VRHEDIT TILES_PNG XMAPLOG XDNDDROP
Fails, saying why, when anything it needs is missing; it never skips.
"""
import json
import os
import queue
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

APP_TITLE = "Varnhold: Levelset Editor"
BOX = "^" + re.escape(APP_TITLE) + "$"  # the editor's own message boxes and prompts
CLIENT_HEIGHT = 572
MAP_LEFT, MAP_TOP = 136 + 2, 32 + 2  # drawing area inside the 2-pixel border
PALETTE_LEFT, PALETTE_TOP = 664 + 2, 32 + 2
TIME_BOX = (64, 408, 65, 19)  # txtTime: left, top, width, height in the client area
CELL = 16
ORANGE = (255, 128, 0)  # the cursor's frame


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, predicate, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


class Display:
    """An Xvfb of its own on a free display number, and the tools that drive it."""

    def __init__(self, workdir):
        for tool in ("Xvfb", "xdotool", "import", "convert"):
            check(shutil.which(tool), f"{tool} is not installed (scripts/install-deps.sh installs it)")
        read_fd, write_fd = os.pipe()
        # -noreset: a server whose last client left resets, and an editor starting just then
        # can't connect ("could not connect to display").
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        check(number.isdigit(), "Xvfb did not start")
        # A home and settings of the run's own: nobody's recent files or folders.
        self.env = dict(os.environ, DISPLAY=":" + number, XDG_RUNTIME_DIR=workdir, HOME=workdir,
                        XDG_CONFIG_HOME=os.path.join(workdir, "config"),
                        XDG_DATA_HOME=os.path.join(workdir, "data"))
        self.env.pop("QT_QPA_PLATFORM", None)  # the real window system, not offscreen
        self.workdir = workdir

    def close(self):
        self.server.terminate()
        self.server.wait()

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, timeout=30)
        return result.stdout.strip() if result.returncode == 0 else None

    def window(self, title_regex, timeout=15.0):
        try:
            return wait_for(f"a window titled /{title_regex}/",
                            lambda: (self.xdotool("search", "--onlyvisible", "--name", title_regex) or "")
                            .split("\n")[0], timeout)
        except Failure as failure:
            shown = [self.xdotool("getwindowname", w) for w in
                     (self.xdotool("search", "--onlyvisible", "--name", ".") or "").split()]
            raise Failure(f"{failure}; the windows shown: {shown}") from None

    def no_window(self, title_regex):
        return not self.xdotool("search", "--onlyvisible", "--name", title_regex)

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window)

    def keys(self, window, *keys):
        self.focus(window)
        for key in keys:
            self.xdotool("key", "--clearmodifiers", key)
            time.sleep(0.05)

    def answer(self, title_regex, *keys):
        """Presses keys in the box or dialog so titled once it shows."""
        self.keys(self.window(title_regex), *keys)

    def type(self, window, text):
        self.focus(window)
        self.xdotool("type", "--delay", "5", text)

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=") for line in out.splitlines())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def screenshot(self):
        path = os.path.join(self.workdir, "shot.png")
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True, timeout=30)
        return Image.load(path, self.env)


class Image:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    @staticmethod
    def load(path, env=None):
        size = subprocess.run(["identify", "-format", "%w %h", path], env=env, check=True,
                              capture_output=True, text=True).stdout.split()
        rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], env=env, check=True,
                             capture_output=True).stdout
        return Image(int(size[0]), int(size[1]), rgb)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])


class Editor:
    """The running VrhEdit and where its controls are on screen."""

    def __init__(self, display, binary, args=(), file_name="Untitled", cwd=None):
        self.display = display
        self.process = subprocess.Popen([binary, *args], env=display.env, cwd=cwd or display.workdir,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            self.window = display.window("^" + re.escape(f"[{file_name}] - {APP_TITLE}") + "$")
        except Failure as failure:
            if self.process.poll() is None:
                raise
            raise Failure(f"{failure}; {self.ended()}") from None
        x, y, width, height = display.geometry(self.window)
        self.origin = (x, y)
        self.menu_bar = height - CLIENT_HEIGHT  # the client area starts below the menu bar
        check(width == 803 and self.menu_bar > 0, f"main window is {width} x {height}")

    def ended(self):
        return f"VrhEdit ended with status {self.process.returncode}: {self.process.stderr.read().decode()[-2000:]}"

    def title(self):
        return self.display.xdotool("getwindowname", self.window)

    def keys(self, *keys):
        self.display.keys(self.window, *keys)

    def _move(self, x, y):
        self.display.xdotool("mousemove", "--window", self.window, x, y)

    def map_point(self, cell_x, cell_y):
        return (MAP_LEFT + CELL * cell_x + CELL // 2, self.menu_bar + MAP_TOP + CELL * cell_y + CELL // 2)

    def pick_tile(self, code):
        self._move(PALETTE_LEFT + CELL * (code % 8) + 8, self.menu_bar + PALETTE_TOP + CELL * (code // 8) + 8)
        self.display.xdotool("click", 1)

    def click_cell(self, cell_x, cell_y, button=1):
        self._move(*self.map_point(cell_x, cell_y))
        self.display.xdotool("click", button)

    def drag(self, cells):
        self._move(*self.map_point(*cells[0]))
        self.display.xdotool("mousedown", 1)
        for cell in cells[1:]:
            self._move(*self.map_point(*cell))
            time.sleep(0.02)
        self.display.xdotool("mouseup", 1)

    def click_client(self, x, y):
        """A click at a point of the client area, which begins with the toolbar."""
        self._move(x, self.menu_bar + y)
        self.display.xdotool("click", 1)

    def exit_without_saving(self):
        """File > Exit, No at the prompt; the program ends with status 0."""
        self.keys("alt+f", "x")
        self.display.answer(BOX, "n")
        check(self.process.wait(timeout=15) == 0, self.ended())

    def time_box(self, shot):
        left, top = self.origin[0] + TIME_BOX[0], self.origin[1] + self.menu_bar + TIME_BOX[1]
        return [shot.pixel(left + dx, top + dy) for dy in range(TIME_BOX[3]) for dx in range(TIME_BOX[2])]

    def map_cell_halfway(self, shot, sheet, cell_x, cell_y, over, under):
        """The inner pixels of a map cell lie halfway between two tiles: one drawn half
        transparent over the other."""
        left = self.origin[0] + MAP_LEFT + CELL * cell_x
        top = self.origin[1] + self.menu_bar + MAP_TOP + CELL * cell_y
        for dy in range(2, 14):
            for dx in range(2, 14):
                shown = shot.pixel(left + dx, top + dy)
                a = sheet.pixel(CELL * (over % 8) + dx, CELL * (over // 8) + dy)
                b = sheet.pixel(CELL * (under % 8) + dx, CELL * (under // 8) + dy)
                if any(abs(2 * s - x - y) > 2 for s, x, y in zip(shown, a, b)):
                    return False
        return True

    def map_cell_matches(self, shot, sheet, cell_x, cell_y, code):
        """The inner 12 x 12 pixels of a map cell (inside any marker frame) equal the tile, but
        for the cursor's frame, which lies just inside a marker on the same cell."""
        left = self.origin[0] + MAP_LEFT + CELL * cell_x
        top = self.origin[1] + self.menu_bar + MAP_TOP + CELL * cell_y
        sheet_x, sheet_y = CELL * (code % 8), CELL * (code // 8)
        inset_cursor = lambda dx, dy, shown: shown == ORANGE and not (4 <= dx < 12 and 4 <= dy < 12)
        return all(shown == sheet.pixel(sheet_x + dx, sheet_y + dy) or inset_cursor(dx, dy, shown)
                   for dy in range(2, 14) for dx in range(2, 14)
                   for shown in [shot.pixel(left + dx, top + dy)])


# The file the scenario expects, built the way the editor lays it out.
def level_block(height, width, header, tiles):
    return bytes([height, width] + header[2:]) + b"".join(
        bytes(tiles.get((x, y), 0) for x in range(width)) for y in range(height))


def default_header():
    return [8, 12, 0, 99, 1, 0, 2, 0, 89, 0, 0, 3, 11, 7, 0, 0]


def expected_file(name, levels):
    out = b"VRH0" + name + bytes([len(levels), 0, 0]) + b" " * 42
    for height, width, header, tiles in levels:
        out += level_block(height, width, header, tiles)
    return out


def drop(xdnddrop, display, window, point, mime, data, action="copy"):
    """Drags data over point of the window and drops it; what xdnddrop saw, line by line."""
    result = subprocess.run([xdnddrop, window, *map(str, point), action, mime, data], env=display.env,
                            capture_output=True, text=True, timeout=30)
    check(result.returncode == 0 or result.stdout, f"xdnddrop failed: {result.stderr[-2000:]}")
    return result.stdout.split("\n")[:-1]


def read(path):
    with open(path, "rb") as f:
        return f.read()


# Regions: selecting, the real X clipboard between two editors, fill and replace, and the
# clipboard keys split between a text box and the map.
MAGENTA = (255, 0, 255)


def drag_with(keys, editor, start, end=None):
    """A left drag on the map from one cell to another, or a click, with keys held down."""
    editor.display.focus(editor.window)
    editor._move(*editor.map_point(*start))
    editor.display.xdotool("keydown", keys)
    editor.display.xdotool("mousedown", 1)
    editor._move(*editor.map_point(*(end or start)))
    time.sleep(0.02)
    editor.display.xdotool("mouseup", 1)
    editor.display.xdotool("keyup", keys)


def x_clipboard(display, target):
    """The X clipboard's content in one form, read by another X client."""
    result = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"],
                            env=display.env, capture_output=True, timeout=30)
    check(result.returncode == 0, f"xclip could not read {target}: {result.stderr!r}")
    return result.stdout


def map_pixel(editor, shot, x, y):
    """A pixel of the map's drawing area on the screen."""
    return shot.pixel(editor.origin[0] + MAP_LEFT + x, editor.origin[1] + editor.menu_bar + MAP_TOP + y)


def check_outline(editor, shot, label, left, top, width, height):
    """A 2-pixel magenta outline inside the edge of these cells, none just outside them."""
    x0, y0, x1, y1 = CELL * left, CELL * top, CELL * (left + width) - 1, CELL * (top + height) - 1
    for x, y in [(x0, y0), (x0 + 1, y0 + 1), (x1, y1), (x1 - 1, y1 - 1), ((x0 + x1) // 2, y0),
                 ((x0 + x1) // 2, y1 - 1), (x0, (y0 + y1) // 2), (x1 - 1, (y0 + y1) // 2)]:
        check(map_pixel(editor, shot, x, y) == MAGENTA, f"{label}: no outline at map pixel ({x}, {y})")
    for x, y in [(x0 + 2, y0 + 2), (x1 - 2, y1 - 2), (x0 - 1, y0), (x1 + 1, y1)]:
        if 0 <= x < 512 and 0 <= y < 512:
            check(map_pixel(editor, shot, x, y) != MAGENTA, f"{label}: outline at map pixel ({x}, {y})")
    print(f"ok: {label}: magenta outline around {width} x {height} cells at {left}, {top}")


def report_failure(display, failure, kept=None):
    """Says why the run failed, with a screenshot kept at the path kept, if given and possible."""
    if kept:
        try:
            display.screenshot()
            shutil.copy(os.path.join(display.workdir, "shot.png"), kept)
            print("screenshot of the failure:", kept)
        except Exception:
            pass
    print("FAILED:", failure)
    print("0 passed, 1 failed")


def keep_shot(display, label):
    keep = os.environ.get("VRH_E2E_SHOTS")  # a folder to keep the screenshots in
    if keep:
        shutil.copy(os.path.join(display.workdir, "shot.png"), os.path.join(keep, label.replace(" ", "-") + ".png"))


def regions_shot(display, editor, sheet, label, cells, timeout=5.0):
    """A screenshot in which these map cells show these tiles, within a few seconds."""
    deadline = time.monotonic() + timeout
    time.sleep(0.4)
    while True:
        shot = display.screenshot()
        wrong = [(cell, code) for cell, code in cells.items()
                 if not editor.map_cell_matches(shot, sheet, *cell, code)]
        if not wrong or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    keep_shot(display, label)
    for (x, y), code in wrong[:1]:
        check(False, f"{label}: map cell ({x}, {y}) does not show tile {code}")
    print(f"ok: {label}: the map shows it")
    return shot


def save_as(display, editor, path):
    editor.keys("ctrl+s")
    dialog = display.window("^Save As$")
    display.type(dialog, path)
    display.keys(dialog, "Return")
    wait_for("the title naming " + path, lambda: editor.title() == f"[{path}] - {APP_TITLE}")


def regions(display, binary, sheet, workdir, started):
    """started collects the editors this starts, for the caller to end if a check fails."""
    first = Editor(display, binary)
    started.append(first)
    block = {(1, 1): 89, (2, 1): 14, (1, 2): 54, (2, 2): 1}
    for cell, code in block.items():
        first.pick_tile(code)
        first.click_cell(*cell)
    drag_with("shift", first, (1, 1), (2, 2))
    first._move(*first.map_point(8, 6))  # the cursor lies over the outline: off it
    shot = regions_shot(display, first, sheet, "selection", block)
    check_outline(first, shot, "Shift drag", 1, 1, 2, 2)

    # Copy: three forms on the real X clipboard, as another program reads them.
    first.keys("ctrl+c")
    targets = wait_for("the copied cells on the X clipboard",
                       lambda: x_clipboard(display, "TARGETS").decode().split())
    for target in ("application/x-vrhedit-cells", "image/png", "UTF8_STRING"):
        check(target in targets, f"the clipboard offers no {target}: {targets}")
    # The cells type's bytes are CellClipboard's; that they cross the X clipboard whole, the
    # second editor's paste below shows (broken cells are refused, not read as the text).
    text = x_clipboard(display, "UTF8_STRING")
    check(text == b"89, 14\n54, 1\n", f"the clipboard's text is {text!r}")
    png = os.path.join(workdir, "cells.png")
    with open(png, "wb") as f:
        f.write(x_clipboard(display, "image/png"))
    picture = Image.load(png)
    check((picture.width, picture.height) == (32, 32), f"the picture is {picture.width} x {picture.height}")
    for (x, y), code in block.items():
        sx, sy = CELL * (code % 8), CELL * (code // 8)
        check(all(picture.pixel(CELL * (x - 1) + dx, CELL * (y - 1) + dy) == sheet.pixel(sx + dx, sy + dy)
                  for dy in range(CELL) for dx in range(CELL)), f"the picture's cell ({x}, {y}) is not tile {code}")
    print("ok: Copy put the cells type, the text and the picture on the X clipboard")

    # Paste on a second level: the cells float under the pointer, a click places them.
    first.keys("F6", "F8")
    first._move(*first.map_point(5, 3))
    first.keys("ctrl+v")
    first._move(*first.map_point(6, 3))
    first._move(*first.map_point(5, 3))
    pasted = {(5, 3): 89, (6, 3): 14, (5, 4): 54, (6, 4): 1}
    time.sleep(0.4)
    shot = display.screenshot()
    keep_shot(display, "floating paste")
    for cell, code in pasted.items():
        check(first.map_cell_halfway(shot, sheet, *cell, code, 0),
              f"floating paste: map cell {cell} is not tile {code} half over the floor")
    print("ok: floating paste: half transparent over the floor")
    check(map_pixel(first, shot, 6 * CELL + 8, 3 * CELL) == MAGENTA, "the floating paste has no outline")
    first.click_cell(5, 3)
    regions_shot(display, first, sheet, "placed paste", pasted | {(0, 0): 0})

    # A flood fill of the floor, undone; then one inside a selection, and a replace.
    first.pick_tile(7)
    first.keys("Escape")
    drag_with("ctrl", first, (0, 0))
    regions_shot(display, first, sheet, "flood fill", pasted | {(0, 0): 7, (11, 7): 7, (7, 3): 7})
    first.keys("ctrl+z")
    regions_shot(display, first, sheet, "undone flood fill", pasted | {(0, 0): 0, (11, 7): 0})
    drag_with("shift", first, (0, 0), (3, 1))
    drag_with("ctrl", first, (0, 0))
    first.keys("Escape")
    drag_with("ctrl+shift", first, (5, 3))
    tiles2 = pasted | {(x, y): 7 for x in range(4) for y in range(2)} | {(5, 3): 7}

    # In the Time box Ctrl+A and Ctrl+C copy its text, and Del deletes in it, while a
    # selection waits on the map.
    drag_with("shift", first, (1, 1), (2, 1))
    first.click_client(64 + 30, 408 + 9)
    first.keys("ctrl+a", "ctrl+c")
    wait_for("the box's text on the X clipboard", lambda: x_clipboard(display, "UTF8_STRING") == b"99")
    check("application/x-vrhedit-cells" not in x_clipboard(display, "TARGETS").decode().split(),
          "Ctrl+C in the box copied cells")
    first.keys("Home", "Delete")
    # On the map the same keys act on the map: the box's "99" pastes as a cell, Del clears the
    # selection to the floor.
    drag_with("shift", first, (10, 0), (10, 0))
    first.keys("ctrl+v")
    first.click_cell(10, 0)
    tiles2[(10, 0)] = 99
    drag_with("shift", first, (1, 1), (2, 1))
    first.keys("Delete")
    tiles2[(1, 1)] = tiles2[(2, 1)] = 0
    regions_shot(display, first, sheet, "level 2 done", tiles2)
    print("ok: Ctrl+A, Ctrl+C and Del edit the Time box; on the map they select, paste and clear")

    path = os.path.join(workdir, "zvrhlrgn.vrh")
    save_as(display, first, path)
    header2 = default_header()
    header2[3] = 9
    expected = expected_file(b"RGN", [(8, 12, default_header(), block), (8, 12, header2, tiles2)])
    saved = read(path)
    check(saved == expected, f"saved file differs:\n{saved.hex()}\n{expected.hex()}")
    print("ok: saved", len(saved), "bytes, byte for byte as selected, pasted and filled")

    # A second running editor pastes what the first copied.
    first.keys("F7")
    drag_with("shift", first, (1, 1), (2, 2))
    first.keys("ctrl+c")
    second = Editor(display, binary)
    started.append(second)
    second._move(*second.map_point(3, 3))
    second.keys("ctrl+v")
    second._move(*second.map_point(4, 4))
    second._move(*second.map_point(3, 3))
    second.click_cell(3, 3)
    into = {(3, 3): 89, (4, 3): 14, (3, 4): 54, (4, 4): 1}
    regions_shot(display, second, sheet, "second editor", into)
    other = os.path.join(workdir, "zvrhlsnd.vrh")
    save_as(display, second, other)
    expected = expected_file(b"SND", [(8, 12, default_header(), into)])
    check(read(other) == expected, f"the second editor saved:\n{read(other).hex()}\n{expected.hex()}")
    print("ok: the second editor pasted the first one's cells from the X clipboard and saved them")
    second.exit_without_saving()
    first.exit_without_saving()


def pictures_and_command_line(display, binary, sheet, workdir, started):
    """Export Picture's PNG, through the real dialog, against the map on the screen. What the
    command line writes and answers needs no display: tests/app proves it."""
    editor = Editor(display, binary)
    started.append(editor)
    painted = {(2, 2): 89, (3, 2): 89, (5, 5): 14, (11, 0): 54}
    for cell, code in painted.items():
        editor.pick_tile(code)
        editor.click_cell(*cell)
    cursor = (6, 4)
    editor._move(*editor.map_point(*cursor))  # the cursor's frame over a floor cell
    path = os.path.join(workdir, "zvrhlpic.vrh")
    save_as(display, editor, path)

    def export(label):
        picture = os.path.join(workdir, label + ".png")
        editor.keys("ctrl+shift+e")
        dialog = display.window("^Export Picture$")
        display.type(dialog, picture)
        display.keys(dialog, "Return")
        wait_for("the picture " + picture, lambda: os.path.exists(picture))
        wait_for("the dialog to close", lambda: display.no_window("^Export Picture$"))
        return Image.load(picture)

    shown = export("level")
    shot = regions_shot(display, editor, sheet, "before comparing the picture", painted)
    check((shown.width, shown.height) == (12 * CELL, 8 * CELL), f"the picture is {shown.width} x {shown.height}")
    for y in range(shown.height):
        for x in range(shown.width):
            on_screen = map_pixel(editor, shot, x, y)
            if (x // CELL, y // CELL) == cursor and not (2 <= x % CELL < 14 and 2 <= y % CELL < 14):
                # The cursor's frame on the screen; the picture has the floor there.
                check(on_screen == (255, 128, 0), f"no cursor frame at map pixel ({x}, {y})")
                on_screen = sheet.pixel(x % CELL, y % CELL)
            check(shown.pixel(x, y) == on_screen,
                  f"picture pixel ({x}, {y}) is {shown.pixel(x, y)}, the map shows {on_screen}")
    print("ok: Export Picture's PNG equals the map on the screen pixel for pixel, markers included, "
          "the cursor left out")

    editor.keys("alt+v", "p")  # Block to Put shown: in the picture too, at (1, 0)
    with_put = export("with-put")
    check(with_put.pixel(CELL, 0) == (128, 128, 255) and shown.pixel(CELL, 0) != (128, 128, 255),
          f"the shown block to put is {with_put.pixel(CELL, 0)} in the picture")
    print("ok: the block marker that the View menu shows is in the picture")

    # Never over the levelset drawn from: the dialog asks before replacing an existing file,
    # then the Error! box, and the file stays as it was.
    saved = read(path)
    editor.keys("ctrl+shift+e")
    dialog = display.window("^Export Picture$")
    display.type(dialog, path)
    display.keys(dialog, "Return")

    def titled_export():
        return (display.xdotool("search", "--onlyvisible", "--name", "^Export Picture$") or "").split()

    wait_for("the dialog to ask before replacing the file", lambda: len(titled_export()) == 2)
    display.keys([w for w in titled_export() if w != dialog][0], "y")
    print("ok: Export Picture's dialog asked before replacing an existing file")
    display.answer("^Error!$", "Return")
    wait_for("the error box to close", lambda: display.no_window("^Error!$"))
    check(read(path) == saved, "Export Picture wrote over the levelset it was drawn from")
    print("ok: Export Picture refused the levelset's own file in the Error! box, nothing written")
    editor.exit_without_saving()


# Drawing tools: a quick drag with no gaps, a rectangle and a line drawn and undone, the grid,
# a palette tile's tooltip and the Level Size dialog.
GREY = (128, 128, 128)


def line_cells(start, end):
    """The cells of the straight line between two cells, both ends included (Bresenham)."""
    (x, y), (x1, y1) = start, end
    dx, dy = abs(x1 - x), -abs(y1 - y)
    sx, sy = (1 if x < x1 else -1), (1 if y < y1 else -1)
    error, cells = dx + dy, [(x, y)]
    while (x, y) != (x1, y1):
        twice = 2 * error
        if twice >= dy:
            error, x = error + dy, x + sx
        if twice <= dx:
            error, y = error + dx, y + sy
        cells.append((x, y))
    return cells


def jump(editor, start, end):
    """A left drag that reaches the end cell in one move, as a quick hand does."""
    editor._move(*editor.map_point(*start))
    editor.display.xdotool("mousedown", 1)
    editor._move(*editor.map_point(*end))
    time.sleep(0.05)
    editor.display.xdotool("mouseup", 1)


def drawing_tools(display, binary, sheet, workdir, started):
    editor = Editor(display, binary)
    started.append(editor)
    editor.pick_tile(89)

    line = line_cells((1, 1), (10, 6))
    jump(editor, (1, 1), (10, 6))
    regions_shot(display, editor, sheet, "a quick drag leaves no gaps", {cell: 89 for cell in line})
    editor.keys("ctrl+z")
    regions_shot(display, editor, sheet, "the quick drag undone", {cell: 0 for cell in line})

    outline = {(x, y): 89 for x in range(2, 7) for y in range(2, 6) if x in (2, 6) or y in (2, 5)}
    editor.keys("r")
    jump(editor, (2, 2), (6, 5))
    regions_shot(display, editor, sheet, "a rectangle", outline | {(3, 3): 0, (5, 4): 0})
    editor.keys("ctrl+z")
    regions_shot(display, editor, sheet, "the rectangle undone", {cell: 0 for cell in outline})

    editor.keys("l")
    line = line_cells((0, 7), (11, 0))
    jump(editor, (0, 7), (11, 0))
    regions_shot(display, editor, sheet, "a line", {cell: 89 for cell in line})
    editor.keys("ctrl+z")
    regions_shot(display, editor, sheet, "the line undone", {cell: 0 for cell in line})
    editor.keys("p")

    editor.keys("ctrl+g")
    time.sleep(0.4)
    shot = display.screenshot()
    keep_shot(display, "grid")
    for x, y, grid in [(16, 40, True), (40, 16, True), (16 * 11, 100, True), (15, 40, False),
                       (40, 17, False), (16 * 12, 40, False), (40, 16 * 8, False)]:
        check((map_pixel(editor, shot, x, y) == GREY) == grid,
              f"grid: map pixel ({x}, {y}) is {map_pixel(editor, shot, x, y)}")
    editor.keys("ctrl+g")
    print("ok: the grid lies between the cells inside the level")

    editor._move(PALETTE_LEFT + CELL * (58 % 8) + 8, editor.menu_bar + PALETTE_TOP + CELL * (58 // 8) + 8)
    editor._move(PALETTE_LEFT + CELL * (58 % 8) + 9, editor.menu_bar + PALETTE_TOP + CELL * (58 // 8) + 9)
    tip = display.window("^Tile 58: ammo$")
    check(tip, "no tooltip named the ammo tile")
    print("ok: hovering tile 58 shows the tooltip \"Tile 58: ammo\"")

    editor.keys("ctrl+r")
    dialog = display.window("^Level Size$")
    display.keys(dialog, "ctrl+a")
    display.type(dialog, "20")
    display.keys(dialog, "Tab", "ctrl+a")
    display.type(dialog, "10")
    display.keys(dialog, "Return")
    wait_for("the Level Size dialog to close", lambda: display.no_window("^Level Size$"))
    regions_shot(display, editor, sheet, "a 20 x 10 level", {(19, 9): 0, (20, 9): 255, (19, 10): 255})
    editor.exit_without_saving()


def level_commands(display, binary, sheet, workdir, started):
    """Levels duplicated, inserted, moved and deleted with their keys, then undone, as the saved
    bytes tell."""
    editor = Editor(display, binary)
    started.append(editor)
    first, copy, fresh = {(0, 0): 89}, {(0, 0): 89, (1, 0): 54}, {(2, 0): 14}
    editor.pick_tile(89)
    editor.click_cell(0, 0)
    editor.keys("ctrl+j")
    editor.pick_tile(54)
    editor.click_cell(1, 0)
    editor.keys("ctrl+i")
    editor.pick_tile(14)
    editor.click_cell(2, 0)
    regions_shot(display, editor, sheet, "an inserted level", {(0, 0): 0, (1, 0): 0, (2, 0): 14})
    editor.keys("ctrl+shift+Next", "ctrl+shift+Delete")
    regions_shot(display, editor, sheet, "the level after the deleted one", copy)
    path = os.path.join(workdir, "zvrhllev.vrh")
    save_as(display, editor, path)
    level = lambda tiles: (8, 12, default_header(), tiles)
    expected = expected_file(b"LEV", [level(first), level(copy)])
    check(read(path) == expected, f"levels saved in the wrong order:\n{read(path).hex()}")
    print("ok: duplicated, inserted, moved later and deleted with their keys, saved in order")

    editor.keys("ctrl+z", "ctrl+z", "ctrl+s")
    expected = expected_file(b"LEV", [level(first), level(fresh), level(copy)])
    wait_for("the undone order saved", lambda: read(path) == expected)
    print("ok: the delete and the move undone, the file saved byte for byte")
    editor.exit_without_saving()


# The Levels window: opened with F9, a level dragged onto another place, closed with F9.


def overview_centre(position):
    """The centre of a picture in the Levels window: 128 pixels square, 8 apart, four a row, each
    with a 30-pixel band for its number and passcode under it."""
    return 8 + 136 * (position % 4) + 64, 8 + 166 * (position // 4) + 64


def levels_window(display, binary, sheet, workdir, started):
    editor = Editor(display, binary)
    started.append(editor)
    marks = [89, 54, 14]  # the first cell of levels 1, 2 and 3
    editor.pick_tile(marks[0])
    editor.click_cell(0, 0)
    for code in marks[1:]:
        editor.keys("F6", "F8")
        editor.pick_tile(code)
        editor.click_cell(0, 0)
    editor.keys("F9")
    levels = display.window("^Levels$")

    def framed():
        """The positions whose picture has the orange frame just above it."""
        x, y, _, _ = display.geometry(levels)
        shot = display.screenshot()
        return [p for p in range(3)
                if shot.pixel(x + overview_centre(p)[0], y + overview_centre(p)[1] - 64 - 2) == ORANGE]

    wait_for("the current level 3 framed in the Levels window", lambda: framed() == [2])
    # Level 1 dragged onto the third place: the others move up, level 3 stays current.
    start, end = overview_centre(0), overview_centre(2)
    display.xdotool("mousemove", "--window", levels, *start)
    display.xdotool("mousedown", 1)
    for step in range(1, 11):
        display.xdotool("mousemove", "--window", levels, start[0] + (end[0] - start[0]) * step // 10, start[1])
        time.sleep(0.02)
    display.xdotool("mouseup", 1)
    wait_for("the current level framed at its new place", lambda: framed() == [1])
    regions_shot(display, editor, sheet, "the map still shows level 3", {(0, 0): marks[2]})
    keep_shot(display, "Levels window after a drag")
    path = os.path.join(workdir, "zvrhllvw.vrh")
    save_as(display, editor, path)
    expected = expected_file(b"LVW", [(8, 12, default_header(), {(0, 0): code})
                                      for code in (marks[1], marks[2], marks[0])])
    check(read(path) == expected, f"saved after the drag:\n{read(path).hex()}\n{expected.hex()}")
    print("ok: a drag in the Levels window moved level 1 to the third place, saved byte for byte")

    editor.keys("F9")
    wait_for("the Levels window to close", lambda: display.no_window("^Levels$"))
    print("ok: F9 closed the Levels window")
    editor.exit_without_saving()


def recovery_attacks(display, binary, sheet, workdir, started):
    """A planted recovery file naming a text file, and a levelset another program wrote after a
    kill. started collects the editors this starts, for the caller to end if a check fails."""
    folder = os.path.join(workdir, "data", "VrhEdit", "recovery")
    os.makedirs(folder, exist_ok=True)
    notes = os.path.join(workdir, "planted-notes.txt")
    with open(notes, "wb") as f:
        f.write(b"my notes")
    with open(os.path.join(folder, "planted.vrh"), "wb") as f:
        f.write(expected_file(b"PLT", [(8, 12, default_header(), {(0, 0): 89})]) +
                b"\nVrhEdit recovery\n" + notes.encode() + b"\n2026-12-08T10:00:00.000Z\n")
    planted = Editor(display, binary)
    started.append(planted)
    display.answer("^Recover Levelset$", "y")
    wait_for("the offer to close", lambda: display.no_window("^Recover Levelset$"))
    regions_shot(display, planted, sheet, "the planted levelset", {(0, 0): 89})
    check(planted.title() == f"[Untitled] - {APP_TITLE}", f"the planted levelset is {planted.title()}")
    planted.keys("ctrl+s")  # no name to save under: Save As asks for one
    display.answer("^Save As$", "Escape")
    wait_for("the dialog to close", lambda: display.no_window("^Save As$"))
    check(read(notes) == b"my notes", "Save wrote over the file a recovery file named")
    planted.exit_without_saving()
    print("ok: a recovery file naming a text file is recovered as Untitled, the text file untouched")

    path = os.path.join(workdir, "zvrhlatk.vrh")
    with open(path, "wb") as f:
        f.write(expected_file(b"ATK", [(8, 12, default_header(), {})]))
    killed = Editor(display, binary, args=[path], file_name=path)
    started.append(killed)
    killed.pick_tile(89)
    killed.click_cell(1, 1)
    regions_shot(display, killed, sheet, "before the kill", {(1, 1): 89})
    killed.process.kill()
    killed.process.wait(timeout=15)
    wait_for("the killed editor's window to go", lambda: display.no_window(r"^\[.*\] - " + re.escape(APP_TITLE) + "$"))
    time.sleep(0.1)
    newer = expected_file(b"ATK", [(8, 12, default_header(), {(2, 2): 14})])
    with open(path, "wb") as f:
        f.write(newer)  # another program's save after the kill
    recovered = Editor(display, binary)
    started.append(recovered)
    display.answer("^Recover Levelset$", "y")
    wait_for("the offer to close", lambda: display.no_window("^Recover Levelset$"))
    wait_for("the recovered levelset's title", lambda: recovered.title() == f"[{path}] - {APP_TITLE}")
    recovered.keys("ctrl+s")
    display.answer("^File Changed$", "n")  # No: keep these changes and write them over it
    wait_for("the recovered levelset on disk", lambda: read(path) != newer)
    expected = expected_file(b"ATK", [(8, 12, default_header(), {(1, 1): 89})])
    check(read(path) == expected, f"the recovered save differs:\n{read(path).hex()}\n{expected.hex()}")
    recovered.keys("ctrl+s")  # the next Save asks nothing
    time.sleep(0.5)
    check(display.no_window("^File Changed$"), "the second Save asked again")
    recovered.exit_without_saving()
    print("ok: a file changed after a kill is asked about at the first Save, then written")


def folder_not_in_utf8(display, binary, sheet, workdir, started):
    """A levelset in a folder named in Latin-1, started from that folder by a relative path
    through it: shown, saved there and watched there."""
    folder = os.path.join(workdir, "niv\udce9aux")  # the byte 0xE9, as Python carries it
    os.mkdir(folder)
    path = os.path.join(folder, "zvrhlabc.vrh")
    with open(path, "wb") as f:
        f.write(expected_file(b"ABC", [(8, 12, default_header(), {})]))
    shown = os.path.join(workdir, "niv\ufffdaux", "zvrhlabc.vrh")
    editor = Editor(display, binary, args=["../niv\udce9aux/zvrhlabc.vrh"], file_name=shown, cwd=folder)
    started.append(editor)
    editor.pick_tile(89)
    editor.click_cell(1, 1)
    editor.keys("ctrl+s")
    saved = expected_file(b"ABC", [(8, 12, default_header(), {(1, 1): 89})])
    wait_for("the save in the Latin-1 folder", lambda: read(path) == saved)
    check(os.listdir(folder) == ["zvrhlabc.vrh"] and not os.path.exists(os.path.dirname(shown)),
          f"the save left {os.listdir(folder)} or wrote elsewhere")
    with open(path + ".new", "wb") as f:
        f.write(expected_file(b"ABC", [(8, 12, default_header(), {(2, 2): 14})]))
    os.replace(path + ".new", path)  # another program's save
    display.answer("^File Changed$", "y")
    wait_for("the box to close", lambda: display.no_window("^File Changed$"))
    regions_shot(display, editor, sheet, "reloaded from the Latin-1 folder", {(1, 1): 0, (2, 2): 14})
    editor.click_cell(3, 3)
    editor.exit_without_saving()
    print("ok: a levelset in a folder named in Latin-1 opened from the command line, saved there "
          "and its outside change reloaded")




def designers_loop(display, binary, sheet, workdir, started):
    """A command of the user's own set up in the Commands dialog and run with Ctrl+1 on the
    level shown, after saving; another program's change read in the File Changed box; and
    git showing a levelset's change as the one row it is."""
    bus = AccessibilityBus(display)
    try:
        display.env = bus.env
        designers_loop_on_the_bus(display, binary, sheet, workdir, started, bus)
    finally:
        bus.close()


def designers_loop_on_the_bus(display, binary, sheet, workdir, started, bus):
    folder = os.path.join(workdir, "my sets")
    os.mkdir(folder)
    path = os.path.join(folder, "zvrhlabc.vrh")
    levels = [(8, 12, default_header(), {}), (8, 12, default_header(), {})]
    with open(path, "wb") as f:
        f.write(expected_file(b"ABC", levels))
    editor = Editor(display, binary, args=[path], file_name=path)
    started.append(editor)

    editor.keys("alt+t", "c")
    dialog = display.window("^Commands$")
    display.keys(dialog, "alt+a")
    display.type(dialog, "Note")
    display.keys(dialog, "alt+l")
    display.type(dialog, """sh -c 'printf "%%s\\n%%s\\n" "$1" "$2" > "$3"' sh %file %level noted.txt""")
    display.keys(dialog, "Return")
    wait_for("the dialog to close", lambda: display.no_window("^Commands$"))

    editor.keys("F8")  # the second level
    editor.pick_tile(89)
    editor.click_cell(4, 2)
    editor.keys("ctrl+1")  # saves first, then runs in the levelset's folder
    noted = os.path.join(folder, "noted.txt")
    wait_for("the command's file", lambda: os.path.exists(noted) and read(noted).endswith(b"\n2\n"))
    check(read(noted) == (path + "\n2\n").encode(), f"the command wrote {read(noted)!r}")
    saved = expected_file(b"ABC", [levels[0], (8, 12, default_header(), {(4, 2): 89})])
    check(read(path) == saved, "Save first did not save the levelset before the command ran")
    output = display.window("^Command Output$")

    def output_text():
        """What Command Output shows, selected and copied as a person would."""
        display.xdotool("mousemove", "--window", output, 60, 60)
        display.xdotool("click", 1)
        display.keys(output, "ctrl+a", "ctrl+c")
        return x_clipboard(display, "UTF8_STRING").decode(errors="replace")

    shown = wait_for("the command's end", lambda: (lambda t: "Finished" in t and t)(output_text()),
                     timeout=10)
    check(shown.startswith("sh -c ") and shown.endswith("Finished with exit code 0."),
          f"Command Output shows {shown!r}")
    display.screenshot()
    keep_shot(display, "command output")
    print("ok: Ctrl+1 saved, ran the command with %file and %level in the levelset's folder, and "
          "Command Output showed its end")

    # Another program changes the file: the box says what reading it again would change.
    changed = bytearray(saved)
    second = 52 + 16 + 96
    changed[second + 3] = 60
    changed[second + 16 + 12 * 3 + 5] = 14
    with open(path + ".new", "wb") as f:
        f.write(changed)
    os.replace(path + ".new", path)
    display.focus(editor.window)
    display.window("^File Changed$")
    text = wait_for("the box's text on the accessibility bus",
                    lambda: "Level 2" in (t := bus.labels("File Changed")) and t, timeout=10)
    check(text == "zvrhlabc.vrh was changed by another program. Reload it and lose the changes "
                  "made here?\n\nLevel 2: time 99 -> 60\nLevel 2: 1 cell changed: column 5 row 3 "
                  "00 -> 0E\n", f"the File Changed box reads {text!r}")
    display.answer("^File Changed$", "y")
    wait_for("the box to close", lambda: display.no_window("^File Changed$"))
    editor.keys("F8")  # reading it again showed the first level
    regions_shot(display, editor, sheet, "the second level read again", {(4, 2): 89, (5, 3): 14})
    editor.exit_without_saving()
    print("ok: the File Changed box listed the changed value and cell, and Yes read them")

    # git shows a levelset's change through its text: the one row that changed.
    repository = os.path.join(workdir, "game")
    os.mkdir(repository)
    env = dict(display.env, GIT_CONFIG_NOSYSTEM="1", GIT_AUTHOR_NAME="D", GIT_AUTHOR_EMAIL="d@x",
               GIT_COMMITTER_NAME="D", GIT_COMMITTER_EMAIL="d@x")

    def git(*args):
        result = subprocess.run(["git", *args], cwd=repository, env=env, capture_output=True,
                                text=True, timeout=60)
        check(result.returncode == 0, f"git {' '.join(args)}: {result.stderr}")
        return result.stdout

    git("init", "-q")
    git("config", "diff.vrh.textconv", f"{binary} --print")
    with open(os.path.join(repository, ".gitattributes"), "w") as f:
        f.write("*.vrh diff=vrh\n")
    shutil.copy(path, os.path.join(repository, "zvrhlabc.vrh"))
    git("add", ".")
    git("commit", "-q", "-m", "levels")
    changed[second + 16 + 12 * 7 + 11] = 54
    with open(os.path.join(repository, "zvrhlabc.vrh"), "wb") as f:
        f.write(changed)
    lines = [line for line in git("diff", "-U0").splitlines() if line[:1] in "+-" and line[:3] not in ("+++", "---")]
    check(lines == ["-Level 2 row 7: 00 00 00 00 00 00 00 00 00 00 00 00",
                    "+Level 2 row 7: 00 00 00 00 00 00 00 00 00 00 00 36"], f"git diff showed {lines}")
    print("ok: git diff of a .vrh through VrhEdit --print showed the one changed row")


def splash(display, binary, sheet, workdir, started):
    """The splash first, gone before the main window is mapped."""
    watcher = subprocess.Popen([TOOLS["xmaplog"]], env=display.env, stdout=subprocess.PIPE, text=True)
    try:
        check(watcher.stdout.readline().strip() == "ready", "xmaplog could not watch the display")
        editor = Editor(display, binary)
        started.append(editor)
        untitled = f"[Untitled] - {APP_TITLE}"
        watcher.terminate()
        events = [line.rstrip("\n") for line in watcher.stdout]
    finally:
        watcher.kill()
    mains = [i for i, e in enumerate(events) if e == "map " + untitled]
    check(mains, f"the main window's map was not seen: {events}")
    before = events[:mains[0]]
    maps = [e for e in before if e.startswith("map ")]
    check(maps, f"no splash window was mapped before the main window: {events}")
    check(len([e for e in before if e.startswith("unmap ")]) >= len(maps),
          f"a window mapped before the main window was still shown: {events}")
    print("ok: splash shown, then gone, then", untitled)
    editor.exit_without_saving()


def check_map_shows(display, editor, sheet, level_tiles, width, height, label):
    """All 1024 map cells show the level's tiles, silver outside it."""
    time.sleep(0.5)
    shot = display.screenshot()
    keep_shot(display, label)
    for y in range(32):
        for x in range(32):
            code = level_tiles.get((x, y), 0) if x < width and y < height else 255
            check(editor.map_cell_matches(shot, sheet, x, y, code),
                  f"{label}: map cell ({x}, {y}) does not show tile {code}")
    print(f"ok: {label}: all 1024 map cells show their tiles")


def paint_save_open(display, binary, sheet, workdir, started):
    """Painting, undo, the level popup, resizing and the menus' keys from a text box, saving
    through the real dialog byte for byte, opening again, the refusals and the close prompt."""
    editor = Editor(display, binary)
    started.append(editor)
    # Paint level 1.
    tiles1 = {}
    editor.pick_tile(89)
    for cell in [(2, 2), (3, 2)]:
        editor.click_cell(*cell)
        tiles1[cell] = 89
    editor.pick_tile(14)
    stroke = [(x, 5) for x in range(7)]
    editor.drag(stroke)
    for cell in stroke:
        tiles1[cell] = 14
    header1 = default_header()

    # The stroke is one step: Ctrl+Z takes all of it back, Ctrl+Y brings it back.
    editor.keys("ctrl+z")
    regions_shot(display, editor, sheet, "undo of the stroke", {cell: 0 for cell in stroke} | {(2, 2): 89})
    editor.keys("ctrl+y")
    regions_shot(display, editor, sheet, "redo of the stroke", {cell: 14 for cell in stroke})

    # Start position through the level popup (right button, "Set &Positions" mode).
    # The editor handles X events in order: the press opens the popup before the key
    # arrives, and the popup takes the key wherever the focus is.
    editor.click_cell(4, 4, button=3)
    display.xdotool("key", "s")
    header1[14], header1[15] = 4, 4

    # Resize: width 12 -> 15 -> 14, height 8 -> 10 -> 9.
    editor.keys("F2", "F2", "F2", "F4", "F4", "F1", "F3")
    width1, height1 = 14, 9

    # With the cursor in the Time box, where a text box on X11 claims Ctrl+Z for itself and
    # Ctrl+E for the end of the line, the menus' keys still run: Ctrl+Z takes back a
    # Decrease Width, Ctrl+E counts the enemies.
    editor.keys("F1")
    regions_shot(display, editor, sheet, "Decrease Width", {(13, 0): 255})
    editor.click_client(TIME_BOX[0] + TIME_BOX[2] // 2, TIME_BOX[1] + TIME_BOX[3] // 2)
    editor.keys("ctrl+z")
    regions_shot(display, editor, sheet, "undo of Decrease Width", {(13, 0): 0})
    editor.keys("ctrl+e")
    display.answer("^Enemies$", "Return")
    wait_for("the enemies box to close", lambda: display.no_window("^Enemies$"))
    print("ok: Ctrl+Z and Ctrl+E run from the Time box")

    # A second level, painted, then back to the first.
    editor.keys("F6", "F8")
    editor.pick_tile(54)
    editor.click_cell(1, 1)
    editor.keys("F7")
    tiles2 = {(1, 1): 54}

    # Save through the real dialog, typing the path.
    path = os.path.join(workdir, "zvrhle2e.vrh")
    save_as(display, editor, path)
    expected = expected_file(b"E2E", [(height1, width1, header1, tiles1),
                                      (8, 12, default_header(), tiles2)])
    saved = read(path)
    check(saved == expected, f"saved file differs:\n{saved.hex()}\n{expected.hex()}")
    print("ok: saved", len(saved), "bytes, byte for byte as painted")

    check_map_shows(display, editor, sheet, tiles1, width1, height1, "after saving")

    # Open it again: the prompt (No), the real open dialog.
    editor.keys("ctrl+o")
    display.answer(BOX, "n")
    dialog = display.window("^Open$")
    display.type(dialog, path)
    display.keys(dialog, "Return")
    wait_for("the opened file's title", lambda: editor.title() == f"[{path}] - {APP_TITLE}")
    check_map_shows(display, editor, sheet, tiles1, width1, height1, "after opening")

    # Refusal: a file name that is not a levelset name; the dialog comes back.
    editor.keys("alt+f", "a")
    dialog = display.window("^Save As$")
    bad = os.path.join(workdir, "notaset.vrh")
    display.type(dialog, bad)
    display.keys(dialog, "Return")
    display.answer(BOX, "Return")
    display.answer("^Save As$", "Escape")
    wait_for("the dialog to close", lambda: display.no_window("^Save As$"))
    check(not os.path.exists(bad), "a file with an invalid name was written")
    print("ok: invalid file name refused, dialog came back, nothing written")

    # Refusal: eleven alien holes on level 1; the file on disk stays as it was.
    editor.pick_tile(69)
    for x in range(11):
        editor.click_cell(x, 8)
    editor.keys("ctrl+s")
    display.answer("^Error!$", "Return")
    wait_for("the error box to close", lambda: display.no_window("^Error!$"))
    check(read(path) == saved, "the refused save changed the file on disk")
    print("ok: holes and guards check refused the save, file unchanged")

    # Closing: Cancel at the prompt keeps the window open.
    editor.keys("alt+f", "x")
    display.answer(BOX, "Escape")
    time.sleep(1.0)
    check(editor.process.poll() is None and not display.no_window(r"^\[.*\] - " + re.escape(APP_TITLE) + "$"),
          "Cancel at the save prompt closed the window")
    print("ok: Cancel at the close prompt keeps the window open")

    editor.exit_without_saving()
    print("ok: No at the close prompt ends the program")


def start_with_file_and_drops(display, binary, sheet, workdir, started):
    """Started with a file, as the file manager starts it; then drops from a file manager."""
    tiles1 = {(2, 2): 89, (3, 2): 89} | {(x, 5): 14 for x in range(7)}
    width1, height1 = 14, 9
    header1 = default_header()
    header1[14], header1[15] = 4, 4
    path = os.path.join(workdir, "zvrhle2e.vrh")
    with open(path, "wb") as f:
        f.write(expected_file(b"E2E", [(height1, width1, header1, tiles1),
                                       (8, 12, default_header(), {(1, 1): 54})]))

    # Started with a file, as the file manager starts it: the title names the file by its
    # absolute path and the map shows its first level.
    editor = Editor(display, binary, args=[os.path.basename(path)], file_name=path)
    started.append(editor)
    check_map_shows(display, editor, sheet, tiles1, width1, height1, "started with the file")
    print("ok: started with a file argument, title and map show it")

    # Drops from a file manager onto the Time box: text and other files are refused and
    # the box keeps its text; a levelset is taken as a copy and opens after the prompt.
    box = (TIME_BOX[0] + TIME_BOX[2] // 2, editor.menu_bar + TIME_BOX[1] + TIME_BOX[3] // 2)
    before = editor.time_box(display.screenshot())
    notes = os.path.join(workdir, "notes.txt")
    with open(notes, "w") as f:
        f.write("notes")
    for mime, data in [("text/plain", path), ("text/uri-list", f"file://{notes}\r\n")]:
        answer = drop(TOOLS["xdnddrop"], display, editor.window, box, mime, data)
        check(answer == ["refused"], f"a drop of {mime} {data!r} was answered {answer}")
    time.sleep(0.3)
    check(editor.time_box(display.screenshot()) == before, "the Time box changed under refused drops")
    dropped = os.path.join(workdir, "ZVRHLDnd.VRH")
    shutil.copy(path, dropped)
    # A move is refused: the file manager would delete the file once it was taken.
    answer = drop(TOOLS["xdnddrop"], display, editor.window, box, "text/uri-list", f"file://{dropped}\r\n", "move")
    check(answer == ["refused"], f"a drop proposing a move was answered {answer}")
    answer = drop(TOOLS["xdnddrop"], display, editor.window, box, "text/uri-list", f"file://{dropped}\r\n")
    check(answer == ["accepted XdndActionCopy", "finished XdndActionCopy"],
          f"the levelset's drop was answered {answer}")
    display.answer(BOX, "n")
    wait_for("the dropped file's title", lambda: editor.title() == f"[{dropped}] - {APP_TITLE}")
    check(os.path.exists(dropped), "the dropped file was moved away")
    print("ok: text, other files and moves refused, a dropped levelset opened as a copy")
    editor.exit_without_saving()


def killed_and_recovered(display, binary, sheet, workdir, started):
    """Killed while editing: the next start offers what it had, and Yes brings it back."""
    editor = Editor(display, binary)
    started.append(editor)
    editor.pick_tile(97)
    killed_stroke = [(x, 3) for x in range(2, 9)]
    editor.drag(killed_stroke)
    editor.pick_tile(170)
    editor.click_cell(5, 6)
    recovered_tiles = {cell: 97 for cell in killed_stroke} | {(5, 6): 170}
    regions_shot(display, editor, sheet, "before the kill", recovered_tiles)
    editor.process.kill()
    editor.process.wait(timeout=15)
    wait_for("the killed editor's window to go", lambda: display.no_window(r"^\[.*\] - " + re.escape(APP_TITLE) + "$"))
    editor = Editor(display, binary)
    started.append(editor)
    display.answer("^Recover Levelset$", "y")
    wait_for("the offer to close", lambda: display.no_window("^Recover Levelset$"))
    check_map_shows(display, editor, sheet, recovered_tiles, 12, 8, "recovered after SIGKILL")
    recovered_path = os.path.join(workdir, "zvrhlrec.vrh")
    save_as(display, editor, recovered_path)
    expected = expected_file(b"REC", [(8, 12, default_header(), recovered_tiles)])
    saved = read(recovered_path)
    check(saved == expected, f"recovered file differs:\n{saved.hex()}\n{expected.hex()}")
    print("ok: killed with SIGKILL, recovered with Yes, saved byte for byte")
    editor.exit_without_saving()


# What a screen reader gets: the editor on an accessibility bus of its own, read with pyatspi
# under Debian's own python, where python3-pyatspi is.
ATSPI_READER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_reader.py")
DEBIAN_PYTHON = "/usr/bin/python3"


class AccessibilityBus:
    """A private D-Bus session with the accessibility bus launched on it."""

    def __init__(self, display):
        launcher = "/usr/libexec/at-spi-bus-launcher"
        for tool in ("dbus-daemon", launcher, DEBIAN_PYTHON):
            check(shutil.which(tool), f"{tool} is missing (scripts/install-deps.sh installs it)")
        self.session = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        env=display.env, stdout=subprocess.PIPE, text=True)
        address = self.session.stdout.readline().strip()
        check(address, "dbus-daemon gave no address")
        self.env = dict(display.env, DBUS_SESSION_BUS_ADDRESS=address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # The launcher starts the accessibility bus, whose first client starts at-spi2-registryd.
        self.launcher = subprocess.Popen([launcher, "--launch-immediately"], env=self.env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.listener = None
        self.events = queue.Queue()

    def close(self):
        # Without the session bus the launcher, the accessibility bus and the registry end too.
        for process in (self.listener, self.launcher, self.session):
            if process and process.poll() is None:
                process.terminate()
                process.wait(timeout=15)

    def describe(self, *names):
        result = subprocess.run([DEBIAN_PYTHON, ATSPI_READER, "describe", *names], env=self.env,
                                capture_output=True, text=True, timeout=60)
        check(result.returncode == 0, f"the reader failed: {result.stderr[-2000:]}")
        return [json.loads(line) for line in result.stdout.splitlines()]

    def labels(self, title):
        """The labels of the window so titled, one a line, as a screen reader reads them."""
        result = subprocess.run([DEBIAN_PYTHON, ATSPI_READER, "labels", title], env=self.env,
                                capture_output=True, text=True, timeout=60)
        check(result.returncode == 0, f"the reader failed: {result.stderr[-2000:]}")
        return result.stdout

    def found(self, name):
        """The object so named, once the bus shows it."""
        return wait_for(f"{name!r} in the accessible tree",
                        lambda: next((o for o in self.describe(name) if "missing" not in o), None), 20)

    def listen(self):
        self.listener = subprocess.Popen([DEBIAN_PYTHON, ATSPI_READER, "listen"], env=self.env,
                                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        check(self.listener.stdout.readline().strip() == "ready", "the listener did not start")
        threading.Thread(target=lambda: [self.events.put(json.loads(line)) for line in self.listener.stdout],
                         daemon=True).start()
        time.sleep(1.0)  # the registry tells the editor that someone listens

    def stop_listening(self):
        self.listener.terminate()
        self.listener.wait(timeout=15)

    def heard(self, what, predicate, timeout=10.0):
        """The first event from now on that a screen reader would speak as predicate wants."""
        deadline = time.monotonic() + timeout
        seen = []
        while time.monotonic() < deadline:
            try:
                event = self.events.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                break
            if predicate(event):
                return event
            seen.append(event)
        raise Failure(f"no event of {what}; heard {seen}")


def focused_item(name):
    """The focus moved to an item of that name: what a screen reader speaks as it moves."""
    return lambda e: e["event"] == "object:state-changed:focused" and e["detail1"] == 1 and e["name"] == name


def description_of(control, text):
    return lambda e: e["event"].endswith("accessible-description") and e["name"] == control and e["description"] == text


def choose(editor, menu, entry):
    """A menu entry by its access keys, once the menu shows: with the accessibility bus a menu
    takes longer to open, and a key sent before it would be lost."""
    editor.keys(menu)
    time.sleep(0.5)
    editor.keys(entry)


def screen_reader(display, binary, sheet, workdir, started):
    """The map and the palette by name on the accessibility bus, their cursors' cells spoken as the
    arrow keys move them; the Levels window's pictures by name."""
    bus = AccessibilityBus(display)
    try:
        display.env = bus.env
        editor = Editor(display, binary)
        started.append(editor)
        map_view = bus.found("Map")
        check(map_view["role"] == "canvas" and
              map_view["description"] == "Column 0, row 0: Tile 0: normal floor, start position",
              f"the map as the bus shows it: {map_view}")
        palette = bus.found("Tile palette")
        check(palette["description"] == "Tile 0: normal floor", f"the palette: {palette}")
        print("ok: the map and the palette by their names and roles")

        bus.listen()
        editor._move(*editor.map_point(3, 2))
        display.xdotool("click", 2)  # the middle button gives the map the focus; it picks the floor, chosen already
        editor._move(60, editor.menu_bar + 300)  # the pointer off the map, where a menu's closing leaves it alone
        editor.keys("Right", "Right")
        said = "Column 5, row 2: Tile 0: normal floor"
        bus.heard(f"the map describing {said!r}", description_of("Map", said))
        item = bus.heard(f"the focus on {said!r}", focused_item(said))
        check(item["parent"] == "Map", f"the spoken cell is no child of the map: {item}")
        editor.keys("ctrl+Home")
        bus.heard("the start position spoken", focused_item("Column 0, row 0: Tile 0: normal floor, start position"))
        choose(editor, "alt+v", "s")  # the start marker hidden: no longer said
        bus.heard("the hidden start unsaid", description_of("Map", "Column 0, row 0: Tile 0: normal floor"))
        editor.keys("Tab", *["Down"] * 11, "Right")
        bus.heard("the chosen tile spoken", focused_item("Tile 89: random wall tile"))
        editor.keys("shift+Tab", *["Right"] * 7, *["Down"] * 3, "space")
        bus.heard("the painted cell spoken", focused_item("Column 7, row 3: Tile 89: random wall tile"))
        editor.keys(*["Right"] * 5)  # the keyboard's cursor goes on past the level's edge
        bus.heard("the cell outside spoken", focused_item("Column 12, row 3: outside the level"))
        check(bus.describe("Map")[0]["description"] == "Column 12, row 3: outside the level",
              "the description is not the cursor's cell")
        print("ok: moving the cursor with keys, choosing and painting are spoken from the cursor's cell")
        bus.stop_listening()

        editor.keys("F9")
        picture = bus.found("Level 1")
        check(picture["parent"] == "Levels" and picture["role"] == "image" and picture["selected"],
              f"the current level's picture: {picture}")
        editor.keys("F6")
        second = bus.found("Level 2")
        check(second["parent"] == "Levels" and not second["selected"], f"the second picture: {second}")
        print("ok: the Levels window's pictures are \"Level 1\", the current one, and \"Level 2\"")

        editor.keys("F9")
        wait_for("the Levels window to close", lambda: display.no_window("^Levels$"))
        choose(editor, "alt+f", "x")
        display.answer(BOX, "n")
        check(editor.process.wait(timeout=15) == 0, editor.ended())
    finally:
        bus.close()


def zoom(display, binary, sheet, workdir, started):
    """Zoomed in to 3 with the real keys, scrolled with the wheel, painted with the mouse: the
    screen shows each tile pixel as a 3 x 3 block, the file holds the cells pointed at."""
    editor = Editor(display, binary)
    started.append(editor)
    z, scroll = 3, [0, 0]

    def point(cell):
        """The middle of a map cell on the screen at zoom 3, the map scrolled by scroll."""
        return (MAP_LEFT + z * CELL * cell[0] - scroll[0] + z * CELL // 2,
                editor.menu_bar + MAP_TOP + z * CELL * cell[1] - scroll[1] + z * CELL // 2)

    editor._move(*editor.map_point(0, 0))  # the cursor's cell stays in place as the map zooms
    editor.keys("ctrl+equal", "ctrl+plus")
    editor.pick_tile(89)
    editor._move(*point((2, 1)))
    display.xdotool("click", 1)
    # Two notches down, one sideways with Shift: three cells a notch.
    editor._move(*point((4, 4)))
    display.xdotool("click", "--repeat", 2, "--delay", 50, 5)
    display.xdotool("keydown", "shift")
    display.xdotool("click", 5)
    display.xdotool("keyup", "shift")
    scroll = [3 * z * CELL, 6 * z * CELL]
    editor.pick_tile(14)
    editor._move(*point((8, 6)))
    display.xdotool("mousedown", 1)
    editor._move(*point((10, 6)))
    time.sleep(0.05)
    display.xdotool("mouseup", 1)
    editor._move(*point((11, 7)))
    display.xdotool("click", 1)
    painted = {(2, 1): 89, (8, 6): 14, (9, 6): 14, (10, 6): 14, (11, 7): 14}

    def shows_enlarged(shot, cell, code):
        """The cell's pixels inside the cursor's frame are the tile's, each a 3 x 3 block, but
        for the cursor's frame just inside the finish marker on (11, 7)."""
        left = editor.origin[0] + MAP_LEFT + z * CELL * cell[0] - scroll[0]
        top = editor.origin[1] + editor.menu_bar + MAP_TOP + z * CELL * cell[1] - scroll[1]
        sheet_x, sheet_y = CELL * (code % 8), CELL * (code // 8)
        inset_cursor = lambda x, y, shown: shown == ORANGE and not (4 <= x < 12 and 4 <= y < 12)
        return all(shown == sheet.pixel(sheet_x + dx // z, sheet_y + dy // z) or
                   inset_cursor(dx // z, dy // z, shown)
                   for dy in range(2 * z, 14 * z) for dx in range(2 * z, 14 * z)
                   for shown in [shot.pixel(left + dx, top + dy)])

    wanted = painted | {(7, 6): 0, (11, 6): 0}
    wait_for("the zoomed map to show the painted cells",
             lambda: all(shows_enlarged(display.screenshot(), cell, code)
                         for cell, code in wanted.items() if cell != (2, 1)), timeout=5)
    keep_shot(display, "zoom 3 scrolled")
    print("ok: at zoom 3, after a scroll, the cells pointed at show their tiles 3 times enlarged")

    editor.keys("ctrl+0")
    regions_shot(display, editor, sheet, "actual size after zoom 3", painted | {(12, 7): 255})
    path = os.path.join(workdir, "zvrhlzom.vrh")
    save_as(display, editor, path)
    expected = expected_file(b"ZOM", [(8, 12, default_header(), painted)])
    check(read(path) == expected, f"saved file differs:\n{read(path).hex()}\n{expected.hex()}")
    print("ok: saved byte for byte as painted at zoom 3")
    editor.exit_without_saving()


def keyboard(display, binary, sheet, workdir, started):
    """A room drawn, selected, filled and given its start from the keyboard alone, the pointer
    never moved; then zoomed in with keys and painted with the mouse at zoom 3, saved byte for
    byte."""
    editor = Editor(display, binary)
    started.append(editor)
    display.focus(editor.window)

    def key(*names):
        """Keys as held down by hand: no modifier cleared around them."""
        for name in names:
            display.xdotool("key", name)
            time.sleep(0.05)

    def frame_pixel(shot, left, top):
        """The first pixels of the border's inner line above the drawing area, where the focus
        frame's dots lie."""
        return [shot.pixel(editor.origin[0] + left + dx, editor.origin[1] + editor.menu_bar + top - 1)
                for dx in range(6)]

    unfocused = display.screenshot()

    def tab_to(left, top, what):
        """Tab until the view whose drawing area begins there shows its focus frame."""
        for _ in range(12):
            key("Tab")
            time.sleep(0.2)
            if frame_pixel(display.screenshot(), left, top) != frame_pixel(unfocused, left, top):
                return
        raise Failure(f"Tab never reached {what}")

    tab_to(PALETTE_LEFT, PALETTE_TOP, "the palette")
    key(*["Down"] * 11, "Right")  # tile 89, the wall
    key("shift+Tab")
    key("r", "Right", "Down", "space", *["Right"] * 5, *["Down"] * 4, "space")  # a rectangle's outline
    key(*["Left"] * 4, *["Up"] * 3)
    display.xdotool("keydown", "shift")
    key("Right", "Right", "Right", "Down", "Down")  # the room's inside, 4 x 3
    display.xdotool("keyup", "shift")
    key("Tab", "Home", "Down", *["Right"] * 6, "shift+Tab")  # tile 14
    key("ctrl+space")
    key("Left", "Left", "Up", "shift+F10")  # the level popup on (3, 3)
    time.sleep(0.5)
    key("s")
    room = {(x, y): 89 for x in range(1, 7) for y in range(1, 6) if x in (1, 6) or y in (1, 5)}
    room |= {(x, y): 14 for x in range(2, 6) for y in range(2, 5)}
    regions_shot(display, editor, sheet, "a room from the keyboard", room)
    print("ok: a room drawn, selected and filled from the keyboard, the start placed by Shift+F10")

    key("p", "ctrl+Home", "ctrl+equal", "ctrl+equal")  # the pencil; zoom 3 about cell (0, 0)
    z = 3
    editor.pick_tile(89)
    editor._move(MAP_LEFT + z * CELL * 8 + z * CELL // 2, editor.menu_bar + MAP_TOP + z * CELL * 7 + z * CELL // 2)
    display.xdotool("click", 1)
    painted = room | {(8, 7): 89}
    header = default_header()
    header[14:16] = [3, 3]
    path = os.path.join(workdir, "zvrhlkey.vrh")
    save_as(display, editor, path)
    expected = expected_file(b"KEY", [(8, 12, header, painted)])
    check(read(path) == expected, f"saved file differs:\n{read(path).hex()}\n{expected.hex()}")
    print("ok: saved byte for byte, the mouse's cell at zoom 3 with the keyboard's room")
    editor.exit_without_saving()


def tile_pictures(display, binary, sheet, workdir, started):
    """Tile pictures loaded from a file plainly unlike the built-in ones show on the map and the
    palette; the file saved over by another program shows at once; a middle click on the map
    picks the cell's tile, which the next click paints."""
    mine = os.path.join(workdir, "mine.png")
    subprocess.run(["convert", TOOLS["tiles_png"], "-negate", mine], env=display.env, check=True)
    negated = Image.load(mine, display.env)
    editor = Editor(display, binary)
    started.append(editor)
    editor.keys("ctrl+shift+t")
    dialog = display.window("^Load Tile Pictures$")
    display.type(dialog, mine)
    display.keys(dialog, "Return")
    floor = {(x, y): 0 for x in range(1, 11) for y in range(1, 7)}
    shot = regions_shot(display, editor, negated, "the map in loaded pictures", floor | {(20, 20): 255})
    for code in (20, 89, 177):
        left = editor.origin[0] + PALETTE_LEFT + CELL * (code % 8)
        top = editor.origin[1] + editor.menu_bar + PALETTE_TOP + CELL * (code // 8)
        check(all(shot.pixel(left + dx, top + dy) == negated.pixel(CELL * (code % 8) + dx, CELL * (code // 8) + dy)
                  for dy in range(2, 14) for dx in range(2, 14)),
              f"the palette does not show the loaded picture of tile {code}")
    print("ok: the map and the palette show the loaded tile pictures")

    # A paint program saving the file: written beside it, then renamed over it.
    red = os.path.join(workdir, "red.png")
    subprocess.run(["convert", "-size", "128x512", "xc:red", red], env=display.env, check=True)
    reds = Image.load(red, display.env)
    os.replace(red, mine)
    regions_shot(display, editor, reds, "the map after the file changed", floor)
    print("ok: the pictures saved over on disk show at once")

    editor.pick_tile(89)
    editor.click_cell(3, 3)
    editor.pick_tile(14)
    editor.click_cell(3, 3, button=2)
    editor.click_cell(5, 5)
    path = os.path.join(workdir, "zvrhltil.vrh")
    save_as(display, editor, path)
    expected = expected_file(b"TIL", [(8, 12, default_header(), {(3, 3): 89, (5, 5): 89})])
    check(read(path) == expected, f"saved file differs:\n{read(path).hex()}\n{expected.hex()}")
    print("ok: a middle click picked the tile the next click painted")
    editor.exit_without_saving()


# Each scenario is a test of its own, in a display and a home of its own.
SCENARIOS = {scenario.__name__: scenario for scenario in (
    splash, paint_save_open, start_with_file_and_drops, killed_and_recovered, regions,
    level_commands, pictures_and_command_line, levels_window, drawing_tools, recovery_attacks,
    folder_not_in_utf8, zoom, screen_reader, designers_loop, keyboard, tile_pictures)}
TOOLS = {}


def main():
    if len(sys.argv) != 6 or sys.argv[1] not in SCENARIOS:
        print(f"usage: e2e_test.py SCENARIO VRHEDIT TILES_PNG XMAPLOG XDNDDROP; scenarios: {' '.join(SCENARIOS)}")
        return 2
    scenario = SCENARIOS[sys.argv[1]]
    binary, tiles_png, TOOLS["xmaplog"], TOOLS["xdnddrop"] = map(os.path.abspath, sys.argv[2:6])
    TOOLS["tiles_png"] = tiles_png
    workdir = tempfile.mkdtemp(prefix="vrhedit-e2e-")
    display = Display(workdir)
    started = []
    try:
        scenario(display, binary, Image.load(tiles_png), workdir, started)
        print("1 passed, 0 failed")
        return 0
    except Failure as failure:
        running = [editor for editor in started if editor.process.poll() is None]
        for editor in started:
            if editor.process.poll() is not None and editor.process.returncode != 0:
                print(editor.ended())
        report_failure(display, failure, f"e2e-{scenario.__name__}-failure.png" if running else None)
        return 1
    finally:
        for editor in started:
            if editor.process.poll() is None:
                editor.process.kill()
        display.close()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
