// SPDX-License-Identifier: GPL-3.0-or-later
// A run that is ended from outside leaves no file of passwords behind: a child process writes
// a large file through the real writer and is ended in the middle of it.
#ifndef _WIN32
#include "batch/batch_file.h"
#include "support/failing_file_layer.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quentara {
namespace {

struct Ending {
    const char* name;
    bool unnamedFiles; // false: as on a file system without them
    int signal;        // 0: exit(1), as the window toolkit does when its display goes away
};

class BatchInterrupted : public testing::TestWithParam<Ending> {};

// Every line is reported: the clock moves on a second at every look.
ProgressPacer::Clock::time_point racingClock() {
    static ProgressPacer::Clock::time_point now;
    return now += std::chrono::seconds(1);
}

// In the child: writes until told to end, after 200,000 lines (6 MB) are on their way.
[[noreturn]] void writeUntilEnded(const std::filesystem::path& target, bool unnamedFiles, int ready,
                                  int command) {
    // A test runner started in the background or under nohup passes on ignored signals, and
    // a sanitizer catches crashes; a program started from the desktop has them at their
    // defaults. No core file: the signals that make one are sent on purpose.
    for (int signal = 1; signal <= SIGRTMAX; ++signal)
        std::signal(signal, SIG_DFL);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    FailingFileLayer files(FailingFileLayer::Operation::none, std::errc::io_error);
    files.unnamedFiles = unnamedFiles;
    ProgressPacer pacer(
        1'000'000'000'000,
        [&](std::uint64_t line) {
            if (line == 200'000) {
                char order = 0;
                if (::write(ready, "r", 1) != 1 || ::read(command, &order, 1) != 1 || order == 'x')
                    std::exit(1);
            }
            return true;
        },
        std::chrono::seconds(0), racingClock);
    writeBatchFile(
        files, target, 1'000'000'000'000, [](std::string& line) { line += "0123456789abcdef"; },
        pacer);
    ::_exit(2); // never reached: the run is far from done
}

TEST_P(BatchInterrupted, LeavesOnlyTheOldFileByteForByte) {
    const Ending& row = GetParam();
    TempFolder folder;
    const std::string old = "nr. 1    old password\r\n";
    writeBytes(folder / "pass.txt", old);
    ASSERT_EQ(::chmod((folder / "pass.txt").c_str(), 0644), 0);
    int ready[2];
    int command[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(command), 0);
    std::fflush(nullptr); // or the child's exit() writes the test's buffered output again
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        ::close(command[1]);
        writeUntilEnded(folder / "pass.txt", row.unnamedFiles, ready[1], command[0]);
    }
    ::close(ready[1]);
    ::close(command[0]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    const std::set<std::string> during = folder.names();
    for (const std::string& name : during) { // the new content is for its writer's eyes only
        struct stat st {};
        if (name != "pass.txt" && ::stat((folder / name).c_str(), &st) == 0) {
            EXPECT_EQ(st.st_mode & 07777, 0600u) << name;
        }
    }
    if (row.signal != 0)
        ::kill(child, row.signal);
    else
        EXPECT_EQ(::write(command[1], "x", 1), 1);
    ::close(command[1]); // a child that outlives its signal reads the end and exits: no hang
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(ready[0]);

    if (row.signal != 0) {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == row.signal) << status;
    } else {
        EXPECT_TRUE(WIFEXITED(status)) << status;
    }
    // Without unnamed files the new content had a name while it was written.
    EXPECT_EQ(during.size(), row.unnamedFiles ? 1u : 2u);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
    EXPECT_EQ(readBytes(folder / "pass.txt"), old);
}

// Without unnamed files, every signal whose default ends the process.
INSTANTIATE_TEST_SUITE_P(
    Endings, BatchInterrupted,
    testing::Values(Ending{"unnamedKilled", true, SIGKILL},
                    Ending{"unnamedTerminated", true, SIGTERM},
                    Ending{"unnamedLostDisplay", true, 0}, Ending{"namedLostDisplay", false, 0},
                    Ending{"namedHUP", false, SIGHUP}, Ending{"namedINT", false, SIGINT},
                    Ending{"namedQUIT", false, SIGQUIT}, Ending{"namedILL", false, SIGILL},
                    Ending{"namedTRAP", false, SIGTRAP}, Ending{"namedABRT", false, SIGABRT},
                    Ending{"namedBUS", false, SIGBUS}, Ending{"namedFPE", false, SIGFPE},
                    Ending{"namedUSR1", false, SIGUSR1}, Ending{"namedSEGV", false, SIGSEGV},
                    Ending{"namedUSR2", false, SIGUSR2}, Ending{"namedPIPE", false, SIGPIPE},
                    Ending{"namedALRM", false, SIGALRM}, Ending{"namedTERM", false, SIGTERM},
                    Ending{"namedSTKFLT", false, SIGSTKFLT}, Ending{"namedXCPU", false, SIGXCPU},
                    Ending{"namedXFSZ", false, SIGXFSZ}, Ending{"namedVTALRM", false, SIGVTALRM},
                    Ending{"namedPROF", false, SIGPROF}, Ending{"namedPOLL", false, SIGPOLL},
                    Ending{"namedPWR", false, SIGPWR}, Ending{"namedSYS", false, SIGSYS},
                    Ending{"namedRTMIN", false, SIGRTMIN}, Ending{"namedRTMAX", false, SIGRTMAX}),
    RowName());

} // namespace
} // namespace quentara
#endif
