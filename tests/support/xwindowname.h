// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

// A top-level window's title as the window system shows it: _NET_WM_NAME, else WM_NAME.
inline std::string xWindowName(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (name.empty()) {
        char* plain = nullptr;
        if (XFetchName(display, window, &plain) && plain != nullptr) {
            name = plain;
            XFree(plain);
        }
    }
    return name;
}
