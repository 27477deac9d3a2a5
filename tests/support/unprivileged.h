// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fork, user ids and POSIX modes: none of them exist on Windows, where the cases that need them
// are skipped.
#ifndef _WIN32

#include <functional>
#include <grp.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vrh::testing {

// The user "nobody": who a test becomes when it must see file modes enforced.
inline constexpr uid_t kNobody = 65534;

inline bool runningAsRoot() {
    return geteuid() == 0;
}

// Runs work in a forked child and returns what it returned; nothing when the child couldn't
// finish (it crashed, or couldn't give up root). Root may write any file whatever its mode,
// so when the tests run as root the child becomes nobody first, a member of groups alone:
// files it should be able to write must then be writable by everyone or one of those groups.
// Work must not use the test framework's checks.
inline std::optional<std::string> runAsUnprivilegedUser(const std::function<std::string()>& work,
                                                        const std::vector<gid_t>& groups = {}) {
    int ends[2];
    if (pipe(ends) != 0) {
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(ends[0]);
        close(ends[1]);
        return std::nullopt;
    }
    if (child == 0) {
        close(ends[0]);
        if (runningAsRoot() && (setgroups(groups.size(), groups.data()) != 0 ||
                                setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(2);
        }
        const std::string result = work();
        const bool sent =
            write(ends[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        _exit(sent ? 0 : 3);
    }
    close(ends[1]);
    std::string result;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(ends[0], buffer, sizeof buffer)) > 0) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    close(ends[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return result;
}

} // namespace vrh::testing

#endif
