// SPDX-License-Identifier: GPL-3.0-or-later
// mapwatch TITLE COMMAND [ARGS...]
// Starts COMMAND and waits, without polling, for the X server to report a MapNotify of a
// top-level window named TITLE. Prints the milliseconds from launch to that map and the
// process's peak resident memory (VmHWM, KiB) one second later, then ends the process.
#include "support/xwindowname.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwatch TITLE COMMAND [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "mapwatch: cannot open display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("mapwatch: exec");
        _exit(127);
    }

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || xWindowName(display, event.xmap.window) != title) {
            continue;
        }
        const auto mapped = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long peak = peakResidentKiB(child);
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(mapped - start).count(),
                    peak);
        return 0;
    }
}
