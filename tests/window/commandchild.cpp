// SPDX-License-Identifier: GPL-3.0-or-later
// A command for the user-command tests to run, on every platform alike:
//   commandchild EXIT WORD...     prints its folder, then each word on a line, exits with EXIT
//   commandchild EXIT --stubborn  prints "waiting" and waits, ignoring a request to end: only a
//                                 kill ends it
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return 2;
    }
    if (argc > 2 && std::strcmp(argv[2], "--stubborn") == 0) {
        std::signal(SIGTERM, SIG_IGN);
        std::puts("waiting");
        std::fflush(stdout);
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }
    std::printf("folder: %s\n", std::filesystem::current_path().string().c_str());
    for (int i = 2; i < argc; ++i) {
        std::puts(argv[i]);
    }
    return std::atoi(argv[1]);
}
