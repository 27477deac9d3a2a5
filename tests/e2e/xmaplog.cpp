// xmaplog: prints a line for every top-level window the X server maps or unmaps, as it
// happens: "map <title>" or "unmap <title>". The end-to-end test reads it to see which window
// was on screen when, without polling. Runs until killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string windowName(Display* display, Window window) {
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
    return name;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
} // a window may be gone by the time we ask

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
            const std::string name = windowName(display, event.xmap.window);
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
