#pragma once

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace vrh::testing {

// Ends the test process, saying what blocked, when the guarded code is still running after a
// few seconds: a regression that waits forever (opening a FIFO, say) fails its test instead of
// hanging the suite. One guard at a time.
class HangGuard {
  public:
    explicit HangGuard(const char* what, unsigned seconds = 10) {
        what_ = what;
        std::signal(SIGALRM, &HangGuard::onAlarm);
        alarm(seconds);
    }
    ~HangGuard() {
        alarm(0);
        std::signal(SIGALRM, SIG_DFL);
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    static void onAlarm(int) {
        constexpr char kPrefix[] = "\nStill blocked after the time allowed: ";
        [[maybe_unused]] ssize_t ignored = write(STDERR_FILENO, kPrefix, sizeof kPrefix - 1);
        ignored = write(STDERR_FILENO, what_, std::strlen(what_));
        ignored = write(STDERR_FILENO, "\n", 1);
        _exit(1);
    }
    static inline const char* what_ = "";
};

} // namespace vrh::testing
