// SPDX-License-Identifier: GPL-3.0-or-later
// The FUSE test file system (passthrough_fs) mounted for one test: a fresh folder holds
// "backing", the folder it mirrors, and "mount", where it is mounted. The daemon runs in the
// foreground as a child; the mount is undone when the object goes, whatever the test did.
#pragma once

#include "support/temp_folder.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quentara {

class FuseMount {
public:
    enum class Modes { changeable, refused }; // whether chmod and chown work

    explicit FuseMount(Modes modes) {
        namespace fs = std::filesystem;
        fs::create_directory(backing());
        fs::create_directory(mount());
#ifndef PASSTHROUGH_FS_EXE
        (void)modes;
        unavailable_ = "the FUSE test file system was not built: CMake found no fuse3";
#else
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            unavailable_ =
                std::string("FUSE cannot be used here: /dev/fuse: ") + std::strerror(errno);
            return;
        }
        start(modes);
#endif
    }

    ~FuseMount() {
        if (daemon_ > 0)
            stop();
        if (ready_ >= 0)
            ::close(ready_);
    }
    FuseMount(const FuseMount&) = delete;
    FuseMount& operator=(const FuseMount&) = delete;

    // Why there is no mount, for GTEST_SKIP; empty when mounted.
    const std::string& unavailable() const {
        return unavailable_;
    }
    const std::filesystem::path& folder() const {
        return folder_.path();
    }
    std::filesystem::path backing() const {
        return folder_ / "backing";
    }
    std::filesystem::path mount() const {
        return folder_ / "mount";
    }

private:
    static std::vector<char*> pointers(std::vector<std::string>& arguments) {
        std::vector<char*> result;
        for (std::string& argument : arguments)
            result.push_back(argument.data());
        result.push_back(nullptr);
        return result;
    }

    // Runs a helper program to its end, its output thrown away.
    static void run(std::vector<std::string> arguments) {
        const std::vector<char*> argv = pointers(arguments);
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        if (child > 0)
            ::waitpid(child, nullptr, 0);
    }

    void start([[maybe_unused]] Modes modes) {
#ifdef PASSTHROUGH_FS_EXE
        std::vector<std::string> arguments{PASSTHROUGH_FS_EXE};
        if (modes == Modes::refused)
            arguments.emplace_back("--refuse-mode-change");
        // -f: in the foreground, as this process's child; -s: one thread is plenty.
        for (const std::string& argument :
             {backing().string(), mount().string(), std::string("-f"), std::string("-s")})
            arguments.push_back(argument);
        // The daemon says on this pipe when it is mounted, and closes it when it ends.
        int ready[2];
        if (::pipe2(ready, O_CLOEXEC) != 0) {
            unavailable_ = std::string("no pipe for the FUSE daemon: ") + std::strerror(errno);
            return;
        }
        constexpr int readyInChild = 3;
        arguments.insert(arguments.begin() + 1, "--ready-fd=" + std::to_string(readyInChild));
        const std::vector<char*> argv = pointers(arguments);
        const std::string log = (folder() / "passthrough_fs.log").string();
        const pid_t parent = ::getpid();
        daemon_ = ::fork();
        if (daemon_ == 0) {
            // Should the test process die, the daemon ends and unmounts.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != parent)
                ::_exit(1);
            const int in = ::open("/dev/null", O_RDONLY);
            const int err = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(in, 0);
            ::dup2(err, 2);
            if (ready[1] == readyInChild)
                ::fcntl(readyInChild, F_SETFD, 0); // dup2 onto itself would keep close-on-exec
            else
                ::dup2(ready[1], readyInChild);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(ready[1]);
        ready_ = ready[0];
        if (daemon_ < 0) {
            unavailable_ = std::string("the FUSE daemon could not start: ") + std::strerror(errno);
            return;
        }
        char told = 0;
        if (tellsWithin(POLLIN) && ::read(ready_, &told, 1) == 1) {
            mounted_ = true;
            return;
        }
        if (!tellsWithin(POLLHUP)) {
            unavailable_ = "FUSE cannot mount here: no mount within 10 s";
            return;
        }
        ::waitpid(daemon_, nullptr, 0);
        daemon_ = 0;
        std::string said = readBytes(log);
        if (const auto end = said.find('\n'); end != std::string::npos)
            said.resize(end);
        unavailable_ = "FUSE cannot mount here: " +
                       (said.empty() ? std::string("the daemon ended at once") : said);
#endif
    }

    void stop() {
        if (!mounted_)
            ::kill(daemon_, SIGTERM);
        else if (::umount2(mount().c_str(), 0) != 0 && ::umount2(mount().c_str(), MNT_DETACH) != 0)
            run({"fusermount3", "-u", "-z", mount().string()}); // mounted without root
        // Unmounted, the daemon ends by itself; a stuck one is ended.
        const bool stuck = !tellsWithin(POLLHUP);
        if (stuck)
            ::kill(daemon_, SIGKILL);
        ::waitpid(daemon_, nullptr, 0);
        if (stuck)
            ::umount2(mount().c_str(), MNT_DETACH);
    }

    // Whether the daemon's pipe shows `event` (POLLIN: it is mounted; POLLHUP: it ended)
    // within 10 s, the bound that keeps a stuck daemon from hanging the tests.
    bool tellsWithin(short event) const {
        pollfd pipe{ready_, event, 0};
        return ::poll(&pipe, 1, 10'000) == 1 && (pipe.revents & (event | POLLHUP)) != 0;
    }

    TempFolder folder_;
    pid_t daemon_ = 0;
    int ready_ = -1;
    bool mounted_ = false;
    std::string unavailable_;
};

} // namespace quentara
