// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifdef _WIN32
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#else
#include <csignal>
#include <cstring>
#include <unistd.h>
#endif

namespace vrh::testing {

// Ends the test process, saying what blocked, when the guarded code is still running after a
// few seconds: a regression that waits forever (opening a FIFO, say) fails its test instead of
// hanging the suite. One guard at a time.
#ifndef _WIN32
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
#else
// Windows has no alarm signal: a watchdog thread waits out the time instead.
class HangGuard {
  public:
    explicit HangGuard(const char* what, unsigned seconds = 10)
        : watchdog_([this, what, seconds] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, std::chrono::seconds(seconds), [this] { return over_; })) {
                  std::fprintf(stderr, "\nStill blocked after the time allowed: %s\n", what);
                  std::fflush(stderr);
                  std::_Exit(1);
              }
          }) {}
    ~HangGuard() {
        {
            const std::lock_guard lock(mutex_);
            over_ = true;
        }
        done_.notify_one();
        watchdog_.join();
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool over_ = false;
    std::thread watchdog_; // last: starts once the rest is in place
};
#endif

} // namespace vrh::testing
