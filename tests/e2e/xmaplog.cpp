// SPDX-License-Identifier: GPL-3.0-or-later
// xmaplog: prints a line for every top-level window the X server maps or unmaps, as it
// happens: "map <title>" or "unmap <title>". The end-to-end test reads it to see which window
// was on screen when, without polling. Runs until killed.
#include "support/xwindowname.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

// A window may be gone by the time its title is asked for.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xmaplog: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    std::map<Window, std::string> names; // a window's title is unreadable once it is destroyed
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            const std::string name = xWindowName(display, event.xmap.window);
            names[event.xmap.window] = name;
            std::printf("map %s\n", name.c_str());
        } else if (event.type == UnmapNotify) {
            std::printf("unmap %s\n", names[event.xunmap.window].c_str());
        } else {
            continue;
        }
        std::fflush(stdout);
    }
}
