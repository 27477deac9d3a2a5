// SPDX-License-Identifier: GPL-3.0-or-later
// xdnddrop: drags data onto a window and drops it there as a file manager does, through the
// X drag-and-drop protocol (XDND).
//   xdnddrop WINDOW X Y copy|move MIMETYPE DATA
// X and Y are in the window; the action is the one proposed, as a plain drag (copy) or one
// with Shift held (move) proposes it. Prints "refused" when the target turns the drag down, else
// "accepted <action>" and, once the target is done, "finished <action>"; exits 1 on a timeout.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <sys/select.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr long kVersion = 5;

struct Dnd {
    Display* display;
    Window source;
    Window target;
    Atom type;
    std::string data;

    Atom atom(const char* name) const { return XInternAtom(display, name, False); }

    void send(const char* message, long l1, long l2, long l3, long l4) const {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = target;
        event.xclient.message_type = atom(message);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(source);
        event.xclient.data.l[1] = l1;
        event.xclient.data.l[2] = l2;
        event.xclient.data.l[3] = l3;
        event.xclient.data.l[4] = l4;
        XSendEvent(display, target, False, NoEventMask, &event);
        XFlush(display);
    }

    void answerSelection(const XSelectionRequestEvent& request) const {
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        if (request.target == type) {
            XChangeProperty(display, request.requestor, request.property, type, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(data.data()),
                            static_cast<int>(data.size()));
            reply.xselection.property = request.property;
        }
        XSendEvent(display, request.requestor, False, NoEventMask, &reply);
        XFlush(display);
    }

    // The next client message of the given kind, answering selection requests meanwhile.
    bool await(const char* message, XClientMessageEvent& got) const {
        const Atom wanted = atom(message);
        for (int waited = 0; waited < 100;) {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == SelectionRequest) {
                    answerSelection(event.xselectionrequest);
                } else if (event.type == ClientMessage && event.xclient.message_type == wanted) {
                    got = event.xclient;
                    return true;
                }
            }
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(ConnectionNumber(display), &fds);
            timeval tenth{0, 100000};
            if (select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &tenth) == 0) {
                ++waited;
            }
        }
        std::printf("timed out waiting for %s\n", message);
        return false;
    }

    std::string actionName(long action) const {
        if (action == 0) {
            return "none";
        }
        char* name = XGetAtomName(display, static_cast<Atom>(action));
        std::string text = name;
        XFree(name);
        return text;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: xdnddrop WINDOW X Y copy|move MIMETYPE DATA\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xdnddrop: cannot open display\n");
        return 2;
    }
    const Window target = std::strtoul(argv[1], nullptr, 0);
    Window root = DefaultRootWindow(display);
    Window child = None;
    int rootX = 0;
    int rootY = 0;
    XTranslateCoordinates(display, target, root, std::atoi(argv[2]), std::atoi(argv[3]), &rootX,
                          &rootY, &child);
    const Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    Dnd dnd{display, source, target, XInternAtom(display, argv[5], False), argv[6]};
    const Atom action =
        dnd.atom(std::strcmp(argv[4], "move") == 0 ? "XdndActionMove" : "XdndActionCopy");
    XSetSelectionOwner(display, dnd.atom("XdndSelection"), source, CurrentTime);

    // Each line as it happens, and the connection closed on every way out.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const auto finish = [&](int status) {
        XDestroyWindow(display, source);
        XCloseDisplay(display);
        return status;
    };

    dnd.send("XdndEnter", kVersion << 24, static_cast<long>(dnd.type), 0, 0);
    dnd.send("XdndPosition", 0, (rootX << 16) | rootY, CurrentTime, static_cast<long>(action));
    XClientMessageEvent status;
    if (!dnd.await("XdndStatus", status)) {
        return finish(1);
    }
    if ((status.data.l[1] & 1) == 0) {
        dnd.send("XdndLeave", 0, 0, 0, 0);
        std::printf("refused\n");
        return finish(0);
    }
    std::printf("accepted %s\n", dnd.actionName(status.data.l[4]).c_str());
    dnd.send("XdndDrop", 0, CurrentTime, 0, 0);
    XClientMessageEvent finished;
    if (!dnd.await("XdndFinished", finished)) {
        return finish(1);
    }
    std::printf("finished %s\n", dnd.actionName(finished.data.l[2]).c_str());
    return finish(0);
}
