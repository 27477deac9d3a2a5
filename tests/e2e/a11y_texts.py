#!/usr/bin/python3
"""Prints, one a line, the names of the labels in the window of that title, as a screen reader
reads them through the accessibility bus (the session's, from DBUS_SESSION_BUS_ADDRESS).

usage: a11y_texts.py TITLE    (Debian's /usr/bin/python3, which has pyatspi)
"""
import sys

import pyatspi


def labels(node, depth=0):
    if depth > 12:
        return
    if node.getRoleName() == "label":
        print(node.name)
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            labels(child, depth + 1)


def main():
    for application in pyatspi.Registry.getDesktop(0):
        for window in application or ():
            if window is not None and window.name == sys.argv[1]:
                labels(window)
    return 0


if __name__ == "__main__":
    sys.exit(main())
