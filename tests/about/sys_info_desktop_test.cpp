// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sys_info_desktop.h"
#include "support/scripted_sys_info.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quentara {
namespace {

namespace fs = std::filesystem;

// Two empty folders that stand for PATH entries, removed afterwards.
class SearchFolders : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root / "first");
        fs::create_directories(root / "second");
    }

    std::string folder(const char* name) const { return (root / name).string(); }

    std::string program(const char* folderName, const char* name, bool executable = true) {
        const fs::path path = root / folderName / name;
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, executable ? fs::perms::owner_all
                                         : fs::perms::owner_read | fs::perms::owner_write);
        return path.string();
    }

    std::string searchPath() const { return folder("first") + ":" + folder("second"); }

    TempFolder temp;
    const fs::path root = temp.path();
};

TEST_F(SearchFolders, NoProgramFound) {
    program("first", "top"); // an executable that is not on the list
    EXPECT_EQ(findSystemInfoProgram(searchPath()), std::nullopt);
    EXPECT_EQ(findSystemInfoProgram(""), std::nullopt);
}

TEST_F(SearchFolders, TheListsOrderDecidesThenTheFolders) {
    program("first", "xfce4-taskmanager");
    const std::string hardinfo = program("second", "hardinfo");
    EXPECT_EQ(findSystemInfoProgram(searchPath()), hardinfo);

    const std::string first = program("first", "hardinfo");
    EXPECT_EQ(findSystemInfoProgram(searchPath()), first);
    EXPECT_EQ(findSystemInfoProgram(folder("second") + ":" + folder("first")), hardinfo);
}

TEST_F(SearchFolders, SkipsFilesThatCannotRunAndFolders) {
    program("first", "kinfocenter", false);
    fs::create_directories(root / "first" / "hardinfo2");
    const std::string monitor = program("second", "gnome-system-monitor");
    const std::string withEmptyEntries = std::string(1, ':').append(searchPath()).append(":");
    EXPECT_EQ(findSystemInfoProgram(withEmptyEntries), monitor);
}

TEST_F(SearchFolders, TheToolStartsTheFoundProgram) {
    const std::string monitor = program("second", "gnome-system-monitor");
    RecordingLauncher launcher;
    EXPECT_TRUE(PathSysInfoTool(searchPath(), launcher).start());
    EXPECT_EQ(launcher.launched, std::vector<std::string>{monitor});
}

TEST_F(SearchFolders, TheToolIsUnavailableWithoutAProgramOrWhenItFailsToStart) {
    RecordingLauncher launcher;
    EXPECT_FALSE(PathSysInfoTool(searchPath(), launcher).start());
    EXPECT_TRUE(launcher.launched.empty());

    program("first", "hardinfo");
    launcher.outcome = RecordingLauncher::Outcome::fails;
    EXPECT_FALSE(PathSysInfoTool(searchPath(), launcher).start());
}

} // namespace
} // namespace quentara
