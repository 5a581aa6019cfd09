// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stop_signals.h"
#include "support/row_name.h"

#include <csignal>
#include <gtest/gtest.h>
#include <signal.h>

namespace quentara {
namespace {

struct Start {
    const char* name;
    int signal;
    bool ignored; // as under nohup
};

class StopSignal : public testing::TestWithParam<Start> {};

TEST_P(StopSignal, CatchesWithoutRestartingOrStaysIgnored) {
    const int signal = GetParam().signal;
    struct sigaction start {};
    start.sa_handler = GetParam().ignored ? SIG_IGN : SIG_DFL;
    struct sigaction outer {};
    ASSERT_EQ(sigaction(signal, &start, &outer), 0);
    {
        const StopOnSignals stop;
        struct sigaction during {};
        sigaction(signal, nullptr, &during);
        if (GetParam().ignored) {
            EXPECT_EQ(during.sa_handler, SIG_IGN);
        } else {
            // With SA_RESTART, as std::signal sets it, a write blocked on a full pipe would
            // go on after the handler, and the stop would never be seen.
            EXPECT_EQ(during.sa_flags & SA_RESTART, 0);
            EXPECT_EQ(StopOnSignals::caught(), 0);
            std::raise(signal);
            EXPECT_EQ(StopOnSignals::caught(), signal);
        }
    }
    struct sigaction after {};
    sigaction(signal, &outer, &after);
    EXPECT_EQ(after.sa_handler, start.sa_handler);
}

INSTANTIATE_TEST_SUITE_P(Rows, StopSignal,
                         testing::Values(Start{"interrupt", SIGINT, false},
                                         Start{"termination", SIGTERM, false},
                                         Start{"hangUp", SIGHUP, false},
                                         Start{"interruptIgnored", SIGINT, true},
                                         Start{"hangUpIgnored", SIGHUP, true}),
                         RowName());

} // namespace
} // namespace quentara
