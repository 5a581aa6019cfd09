// SPDX-License-Identifier: GPL-3.0-or-later
// The random source's helper thread, as the system sees it.
#include "generators/secure_random.h"
#include "support/child_process.h"

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace quentara {
namespace {

// The blocked-signal masks ("SigBlk:" in hexadecimal) of this process's helper threads.
std::vector<std::uint64_t> helperSignalMasks() {
    std::vector<std::uint64_t> masks;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        bool helper = false;
        for (std::string line; std::getline(status, line);) {
            if (line == "Name:\tquentara-keys")
                helper = true;
            else if (helper && line.starts_with("SigBlk:"))
                masks.push_back(std::stoull(line.substr(7), nullptr, 16));
        }
    }
    return masks;
}

// Every bit of 24 is set in some draw: the draws came through.
std::string drawnPastSeveralBuffers(SecureRandom& random) {
    std::uint32_t anySet = 0;
    for (int i = 0; i < 300'000; ++i)
        anySet |= static_cast<std::uint32_t>(random.NextRandom() * 0x1p24f);
    return anySet == 0xFFFFFF ? "drawn" : "not every bit";
}

// A Ctrl+C must interrupt the drawing thread's blocked write, so it must not go to the helper.
TEST(SecureRandomHelper, BlocksTheSignalsThatStopTheProgram) {
    SecureRandom random;
    ASSERT_EQ(drawnPastSeveralBuffers(random), "drawn");
    const std::vector<std::uint64_t> masks = helperSignalMasks();
    ASSERT_EQ(masks.size(), 1u);
    for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE})
        EXPECT_NE(masks[0] & (std::uint64_t{1} << (signal - 1)), 0u) << "signal " << signal;
}

TEST(SecureRandomHelper, WithoutThreadsTheDrawingThreadMakesEveryBuffer) {
    const ChildEnd end = inChild(::geteuid() == 0 ? nobody : ::geteuid(), [] {
        const rlimit none{0, 0}; // root ignores it, hence nobody
        if (::setrlimit(RLIMIT_NPROC, &none) != 0)
            return std::string("limit not set");
        SecureRandom random;
        const std::string drawn = drawnPastSeveralBuffers(random);
        return helperSignalMasks().empty() ? drawn : "a helper started";
    });
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(end.said, "drawn");
}

} // namespace
} // namespace quentara
