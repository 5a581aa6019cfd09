// SPDX-License-Identifier: GPL-3.0-or-later
// Another user's links and files in a folder that everyone may write to (/tmp) cannot choose
// which file the passwords go to or who reads them, whatever the system's own settings; and
// nothing swapped in after the first look is written through.
#ifndef _WIN32
#include "support/abc_lines.h"
#include "support/child_process.h"
#include "support/failing_file_layer.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quentara {
namespace {

namespace fs = std::filesystem;

constexpr uid_t otherUser = 4321;
constexpr char othersLink[] = "The name is a link that another user made in a folder where "
                              "everyone may make files; such a link is not followed.";
constexpr char othersFile[] =
    "The file belongs to another user and lies in a folder where everyone may make files.";

struct Planted {
    const char* name;
    uid_t runner;
    enum { link, linkToNothing, file } what;
    uid_t owner;         // of what lies in the shared folder; the folder is root's
    const char* outcome; // "written", or why not
};

class SharedFolder : public testing::TestWithParam<Planted> {};

TEST_P(SharedFolder, TrustsOnlyTheUsersAndTheFolderOwnersEntries) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can plant files of other users";
    const Planted& row = GetParam();
    TempFolder folder;
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path target = folder / "target.txt"; // the runner's own file, outside
    writeBytes(target, "old");
    ASSERT_EQ(::chown(target.c_str(), row.runner, row.runner), 0);
    const fs::path planted = shared / "pw.txt";
    if (row.what == Planted::file) {
        writeBytes(planted, "old");
        ASSERT_EQ(::chmod(planted.c_str(), 0666), 0);
    } else {
        fs::create_symlink(row.what == Planted::link ? "../target.txt" : "../made.txt", planted);
    }
    ASSERT_EQ(::lchown(planted.c_str(), row.owner, row.owner), 0);

    const ChildEnd end = inChild(row.runner, [&] {
        SystemFileLayer files;
        return outcomeText(writeAbcLines(files, planted, 12));
    });
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(end.said, row.outcome);
    const bool written = end.said == "written";
    if (row.what == Planted::file)
        EXPECT_EQ(readBytes(planted), written ? twelveLines : "old");
    else
        EXPECT_TRUE(fs::is_symlink(planted));
    EXPECT_EQ(readBytes(target), written && row.what == Planted::link ? twelveLines : "old");
    EXPECT_EQ(fs::exists(folder / "made.txt"), written && row.what == Planted::linkToNothing);
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SharedFolder,
    testing::Values(
        Planted{"rootFollowsItsOwnLink", 0, Planted::link, 0, "written"},
        Planted{"rootRefusesAnothersLink", 0, Planted::link, otherUser, othersLink},
        Planted{"rootRefusesAnothersLinkToNothing", 0, Planted::linkToNothing, otherUser,
                othersLink},
        Planted{"rootRefusesAnothersFile", 0, Planted::file, otherUser, othersFile},
        Planted{"userFollowsTheirOwnLink", nobody, Planted::link, nobody, "written"},
        Planted{"userFollowsTheFolderOwnersLink", nobody, Planted::link, 0, "written"},
        Planted{"userRefusesAnothersLink", nobody, Planted::link, otherUser, othersLink},
        Planted{"userWritesTheirOwnFile", nobody, Planted::file, nobody, "written"},
        Planted{"userRefusesAnothersFile", nobody, Planted::file, otherUser, othersFile}),
    RowName());

struct Swap {
    const char* name;
    bool hardLinked; // written in place rather than replaced
    bool existed;
    const char* outcome;
};

class SwappedAfterTheFirstLook : public testing::TestWithParam<Swap> {};

TEST_P(SwappedAfterTheFirstLook, IsNeverWrittenThrough) {
    const Swap& row = GetParam();
    TempFolder folder;
    writeBytes(folder / "victim.txt", "victim");
    if (row.existed)
        writeBytes(folder / "pw.txt", "old");
    if (row.hardLinked)
        fs::create_hard_link(folder / "pw.txt", folder / "other.txt");
    FailingFileLayer files(FailingFileLayer::Operation::none, std::errc::io_error);
    files.afterInspect = [&] {
        fs::create_symlink(folder / "victim.txt", folder / "swap");
        fs::rename(folder / "swap", folder / "pw.txt");
    };
    EXPECT_EQ(outcomeText(writeAbcLines(files, folder / "pw.txt", 12)), row.outcome);
    EXPECT_EQ(readBytes(folder / "victim.txt"), "victim");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SwappedAfterTheFirstLook,
    testing::Values(Swap{"replaced", false, true,
                         "Something else took the file's place while it was being opened."},
                    Swap{"inPlace", true, true,
                         "Something else took the file's place while it was being opened."},
                    Swap{"newFileReplacesTheLinkItself", false, false, "written"}),
    RowName());

} // namespace
} // namespace quentara
#endif
