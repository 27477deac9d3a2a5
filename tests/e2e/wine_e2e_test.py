#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""VrhEdit.exe under wine in Xvfb, driven as a person would: the same painting gestures as on
the Linux editor, saved through the Windows save dialog, and the two files equal byte for byte;
the file reopened from the command line; undo; a killed editor's work recovered at the next
start.

usage: wine_e2e_test.py VRHEDIT_EXE TILES_PNG LINUX_VRHEDIT XDNDDROP
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from e2e_test import (APP_TITLE, BOX, CELL, MAP_LEFT, MAP_TOP, Display, Editor, Failure, Image, check,
                      drag_with, drop, read, regions_shot, report_failure, wait_for,
                      x_clipboard)

WINE = "/usr/lib/wine/wine64"


def windows_path(path):
    """The path as a Windows program sees a file of this machine: on drive Z:."""
    return "Z:" + path.replace("/", "\\")


FINISH_FRAME = (0, 192, 0)
FINISH = (11, 7)  # a new level's finish


def start(display, command, file_name="Untitled"):
    """VrhEdit on a levelset whose first level has a new level's finish."""
    editor = Editor(display, command[0], args=command[1:], file_name=file_name)
    # Wine places the window after it is mapped, and its menu bar is not always the height
    # the window's size implies: the map is found on the screen by the finish marker's frame,
    # once the window has settled.
    def finish_frame():
        shot = display.screenshot()
        x, y = editor.origin[0] + MAP_LEFT + CELL * FINISH[0], editor.origin[1] + MAP_TOP + CELL * FINISH[1]
        for dy in range(0, 60):
            for dx in range(-8, 8):
                if shot.pixel(x + dx, y + dy) == FINISH_FRAME:
                    return x + dx, y + dy
        return None

    def settled():
        before = finish_frame()
        time.sleep(0.3)
        return before and before == finish_frame() and before
    x, y = wait_for("the map's finish marker", settled)
    editor.origin = (x - MAP_LEFT - CELL * FINISH[0], y - MAP_TOP - CELL * FINISH[1] - editor.menu_bar)
    return editor


def paint(display, editor, sheet):
    """A few tiles, a stroke undone and redone, a second level: one step each."""
    editor.pick_tile(89)
    editor.click_cell(2, 2)
    editor.pick_tile(14)
    stroke = [(x, 5) for x in range(7)]
    editor.drag(stroke)
    editor.keys("ctrl+z")
    regions_shot(display, editor, sheet, "undo of the stroke", {cell: 0 for cell in stroke} | {(2, 2): 89})
    editor.keys("ctrl+y")
    regions_shot(display, editor, sheet, "redo of the stroke", {cell: 14 for cell in stroke})
    editor.keys("F2", "F4", "F6", "F8")
    editor.pick_tile(54)
    editor.click_cell(1, 1)
    editor.keys("F7")


def clipboard_and_drop(display, editor, sheet, workdir, xdnddrop, saved):
    """Copy and paste through the Windows clipboard, which other X programs read too, and a
    levelset dropped on the window as a file manager drops it."""
    drag_with("shift", editor, (1, 1), (2, 2))
    editor.keys("ctrl+c")
    text = wait_for("the copied cells' text on the X clipboard", lambda: x_clipboard(display, "UTF8_STRING"))
    check(text.replace(b"\r\n", b"\n") == b"0, 0\n0, 89\n", f"the clipboard's text is {text!r}")
    editor._move(*editor.map_point(6, 1))
    editor.keys("ctrl+v")
    editor.click_cell(6, 1)
    regions_shot(display, editor, sheet, "pasted", {(6, 1): 0, (7, 2): 89})
    print("ok: cells copied to the clipboard as text and pasted back")

    dropped = os.path.join(workdir, "ZVRHLDnd.VRH")
    shutil.copy(saved, dropped)
    answer = drop(xdnddrop, display, editor.window, editor.map_point(3, 3), "text/uri-list",
                  f"file://{dropped}\r\n")
    check(answer[-1:] == ["finished XdndActionCopy"], f"the levelset's drop was answered {answer}")
    display.answer(BOX, "n")
    shown = windows_path(dropped)
    wait_for("the dropped file's title", lambda: editor.title() == f"[{shown}] - {APP_TITLE}")
    regions_shot(display, editor, sheet, "dropped", {(7, 2): 0, (2, 2): 89})
    print("ok: a levelset dropped on the window opened")


def save_as(display, editor, typed, shown):
    editor.keys("ctrl+s")
    dialog = display.window("^Save As$", timeout=30)
    display.type(dialog, typed)
    display.keys(dialog, "Return")
    wait_for("the title naming " + shown, lambda: editor.title() == f"[{shown}] - {APP_TITLE}", 30)


def main():
    exe, tiles_png, linux_binary, xdnddrop = map(os.path.abspath, sys.argv[1:5])
    workdir = tempfile.mkdtemp(prefix="vrhedit-wine-e2e-")
    display = Display(workdir)
    # A wine of the run's own: its registry holds the editor's settings, its user folders the
    # recovery files.
    display.env.update(WINEPREFIX=os.path.join(workdir, "wine"), WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=")
    editor = None
    try:
        subprocess.run(["wineboot", "--init"], env=display.env, check=True, timeout=300,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        sheet = Image.load(tiles_png)
        wine_editor = [WINE, exe]

        # The Linux editor's file for the gestures.
        os.makedirs(os.path.join(workdir, "linux"))
        linux_path = os.path.join(workdir, "linux", "zvrhle2e.vrh")
        editor = start(display, [linux_binary])
        paint(display, editor, sheet)
        save_as(display, editor, linux_path, linux_path)
        editor.exit_without_saving()

        # The same gestures on VrhEdit.exe, saved through the Windows dialog.
        os.makedirs(os.path.join(workdir, "windows"))
        path = os.path.join(workdir, "windows", "zvrhle2e.vrh")
        shown = windows_path(path)
        editor = start(display, wine_editor)
        print("ok: VrhEdit.exe started under wine")
        paint(display, editor, sheet)
        # (Typed in lower case: wine's dialog adds ".vrh" to a name whose extension differs from
        # the filter's in case, as Windows' own does not.)
        save_as(display, editor, shown, shown)
        check(read(path) == read(linux_path),
              f"VrhEdit.exe saved other bytes:\n{read(path).hex()}\n{read(linux_path).hex()}")
        print("ok: saved through the Windows dialog, byte for byte as the Linux editor saves")
        editor.exit_without_saving()

        # Opened from the command line, as Explorer opens a file, from a folder whose name the
        # ANSI code page has no letter for; undo of a change.
        os.makedirs(os.path.join(workdir, "niveloj-ĉ"))
        shown = windows_path(shutil.copy(path, os.path.join(workdir, "niveloj-ĉ", "zvrhle2e.vrh")))
        editor = start(display, wine_editor + [shown], file_name=shown)
        regions_shot(display, editor, sheet, "opened from the command line", {(2, 2): 89, (0, 5): 14})
        editor.pick_tile(97)
        editor.click_cell(2, 2)
        regions_shot(display, editor, sheet, "painted", {(2, 2): 97})
        editor.keys("ctrl+z")
        regions_shot(display, editor, sheet, "undone", {(2, 2): 89})
        print("ok: opened from the command line, painted and undone")
        clipboard_and_drop(display, editor, sheet, workdir, xdnddrop, path)

        # Killed while editing: the next start offers what it had, and Yes brings it back.
        editor.click_cell(9, 6)
        regions_shot(display, editor, sheet, "before the kill", {(9, 6): 97})
        subprocess.run(["wineserver", "--kill"], env=display.env, check=True, timeout=60)
        editor.process.wait(timeout=30)
        editor = start(display, wine_editor)
        display.answer("^Recover Levelset$", "y")
        wait_for("the offer to close", lambda: display.no_window("^Recover Levelset$"))
        regions_shot(display, editor, sheet, "recovered", {(2, 2): 89, (9, 6): 97, (0, 5): 14})
        check(re.fullmatch(r"\[.*\] - " + re.escape(APP_TITLE), editor.title() or ""),
              f"recovered editor's title: {editor.title()}")
        print("ok: killed, recovered with Yes at the next start:", editor.title())
        editor.exit_without_saving()
        editor = None
        print("1 passed, 0 failed")
        return 0
    except Failure as failure:
        report_failure(display, failure, os.path.join(os.path.dirname(exe), "wine-e2e-failure.png"))
        return 1
    finally:
        subprocess.run(["wineserver", "--kill"], env=display.env, timeout=60)
        display.close()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
