#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader gets from the running editor, read through the accessibility bus with
pyatspi. Runs under Debian's own /usr/bin/python3, where python3-pyatspi is.

usage: atspi_reader.py describe NAME...   one JSON line per name: the first accessible object
                                          so named, its role, description, parent and selection
       atspi_reader.py labels TITLE       the names of the labels in the window so titled, one
                                          a line, as a screen reader reads a message box
       atspi_reader.py listen             "ready", then one JSON line per event a screen reader
                                          speaks from: description changes and focus moves
"""
import json
import sys

import pyatspi


def about(obj):
    return {"name": obj.name, "role": obj.getRoleName(), "description": obj.description,
            "parent": obj.parent.name if obj.parent else None,
            "selected": obj.getState().contains(pyatspi.STATE_SELECTED)}


def find(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None:
            found = pyatspi.findDescendant(app, lambda obj: obj is not None and obj.name == name)
            if found is not None:
                return found
    return None


def describe(names):
    for name in names:
        obj = find(name)
        print(json.dumps(about(obj) if obj is not None else {"name": name, "missing": True}))


def labels(title):
    def walk(node, depth=0):
        if node is None or depth > 12:
            return
        if node.getRoleName() == "label":
            print(node.name)
        for index in range(node.childCount):
            walk(node.getChildAtIndex(index), depth + 1)

    for app in pyatspi.Registry.getDesktop(0):
        for window in app or ():
            if window is not None and window.name == title:
                walk(window)


def listen():
    def heard(event):
        print(json.dumps(dict(about(event.source), event=event.type, detail1=event.detail1)), flush=True)

    for kind in ("object:property-change:accessible-description", "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(heard, kind)
    print("ready", flush=True)
    pyatspi.Registry.start()  # until the caller ends it


if __name__ == "__main__":
    if len(sys.argv) >= 3 and sys.argv[1] == "describe":
        describe(sys.argv[2:])
    elif len(sys.argv) == 3 and sys.argv[1] == "labels":
        labels(sys.argv[2])
    elif sys.argv[1:] == ["listen"]:
        listen()
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
