// SPDX-License-Identifier: GPL-3.0-or-later
// Pipes that the shell hands over by name, and a reader that stops reading: the run is written
// to them as they are and stays able to stop.
#ifndef _WIN32
#include "support/abc_lines.h"
#include "support/temp_folder.h"

#include <condition_variable>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quentara {
namespace {

// "> /dev/stdout" in a pipeline, or a shell's ">(...)".
TEST(BatchFileStream, APipeNamedThroughDevFdIsWrittenAsItIs) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::string received;
    std::thread reader([&] {
        char block[4096];
        ssize_t got = 0;
        while ((got = ::read(ends[0], block, sizeof block)) > 0)
            received.append(block, static_cast<std::size_t>(got));
    });
    SystemFileLayer files;
    const BatchOutcome outcome = writeAbcLines(files, "/dev/fd/" + std::to_string(ends[1]), 12);
    ::close(ends[1]);
    reader.join();
    ::close(ends[0]);
    EXPECT_EQ(outcome.status, BatchOutcome::Status::written);
    EXPECT_EQ(received, twelveLines);
}

// Ctrl+C or the window's close button while the reader keeps the pipe open but full.
TEST(BatchFileStream, AStopIsHeardWhileAReaderKeepsThePipeFull) {
    TempFolder folder;
    const std::filesystem::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int capacity = ::fcntl(reader, F_GETPIPE_SZ);
    // Should the stop go unheard, the reader goes away after a while, so the test ends.
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!finished.wait_for(lock, std::chrono::seconds(30), [&] { return done; }))
            ::close(reader);
    });
    SystemFileLayer files;
    const BatchOutcome outcome = writeAbcLines(files, pipe, 200'000, 0, [&](std::uint64_t) {
        int queued = 0;
        return ::ioctl(reader, FIONREAD, &queued) != 0 || queued < capacity;
    });
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
    ::close(reader);
    EXPECT_EQ(outcome.status, BatchOutcome::Status::stopped);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pipe"}));
}

} // namespace
} // namespace quentara
#endif
