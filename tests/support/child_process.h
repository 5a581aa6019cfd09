// SPDX-License-Identifier: GPL-3.0-or-later
// Work done in a forked child, for what must not touch the test process: another user's
// rights, a lowered limit, a signal that ends the process.
#pragma once

#include <cstdio>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quentara {

struct ChildEnd {
    int status = -1;  // as waitpid gives it
    std::string said; // what the work returned
};

inline constexpr uid_t nobody = 65534;

// Runs `work` in a child that has become `user` (with the group of the same number); root
// stays root. What `work` returns comes back through a pipe.
inline ChildEnd inChild(uid_t user, const std::function<std::string()>& work) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    std::fflush(nullptr); // or the child's exit writes the test's buffered output again
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (user != ::geteuid() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0))
            ::_exit(100);
        const std::string said = work();
        const bool sent =
            ::write(channel[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        ::_exit(sent ? 0 : 101);
    }
    ::close(channel[1]);
    ChildEnd end;
    char block[512];
    ssize_t got = 0;
    while ((got = ::read(channel[0], block, sizeof block)) > 0)
        end.said.append(block, static_cast<std::size_t>(got));
    ::close(channel[0]);
    if (child > 0)
        ::waitpid(child, &end.status, 0);
    return end;
}

} // namespace quentara
