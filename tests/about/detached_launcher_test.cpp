// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/detached_launcher.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quentara {
namespace {

TEST(DetachedLauncher, StartsAProgramWithoutWaitingAndReportsOneThatCannotStart) {
    DetachedLauncher launcher;
    ASSERT_TRUE(std::filesystem::exists("/bin/true"));
    EXPECT_TRUE(launcher.launch("/bin/true"));
    EXPECT_FALSE(launcher.launch("/nonexistent/sysinfo"));
    EXPECT_FALSE(launcher.launch(std::filesystem::temp_directory_path().string()))
        << "a folder is no program";
}

} // namespace
} // namespace quentara
