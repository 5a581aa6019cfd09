// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "generators/password_composer.h"
#include "support/draws.h"
#include "support/failing_file_layer.h"
#include "support/row_name.h"
#include "support/scripted_random.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace quentara {
namespace {

ProgressPacer quietPacer(std::uint64_t lines) {
    return ProgressPacer(lines, [](std::uint64_t) { return true; });
}

BatchOutcome writeLines(FileLayer& files, const std::filesystem::path& target, std::uint64_t lines,
                        const PasswordAppender& password) {
    ProgressPacer pacer = quietPacer(lines);
    return writeBatchFile(files, target, lines, password, pacer);
}

// Every line's password is the same fixed text.
PasswordAppender fixedPassword(std::string text) {
    return [text](std::string& line) { line += text; };
}

TEST(BatchFile, HoldsExactlyTheBytesOfTheLineFormat) {
    TempFolder folder;
    SystemFileLayer files;
    // Length 2, digits only: one draw per character, 0 gives "0" and the largestDraw gives "9".
    ScriptedRandom script({0.0f, largestDraw, 0.5f, 0.1f, largestDraw, largestDraw});
    const BatchOutcome outcome = writeLines(files, folder / "pass.txt", 3, [&](std::string& line) {
        appendPassword(line, 2, {false, false, true, false}, script);
    });
    EXPECT_EQ(outcome.status, BatchOutcome::Status::written);
    EXPECT_EQ(readBytes(folder / "pass.txt"), "nr. 1    09\r\nnr. 2    51\r\nnr. 3    99\r\n");
    EXPECT_EQ(script.remaining(), 0u);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

TEST(BatchFile, OneLineForQuantityOne) {
    TempFolder folder;
    SystemFileLayer files;
    writeLines(files, folder / "one.txt", 1, fixedPassword("Az0+"));
    EXPECT_EQ(readBytes(folder / "one.txt"), "nr. 1    Az0+\r\n");
}

TEST(BatchFile, NumbersAreNotWidenedSoLineTenIsOneLonger) {
    TempFolder folder;
    SystemFileLayer files;
    writeLines(files, folder / "ten.txt", 10, fixedPassword("")); // empty passwords too
    EXPECT_EQ(readBytes(folder / "ten.txt"), "nr. 1    \r\nnr. 2    \r\nnr. 3    \r\nnr. 4    \r\n"
                                             "nr. 5    \r\nnr. 6    \r\nnr. 7    \r\nnr. 8    \r\n"
                                             "nr. 9    \r\nnr. 10    \r\n");
}

TEST(BatchFile, ManyLinesAreAllThereInOrderAcrossBlocks) {
    TempFolder folder;
    SystemFileLayer files;
    constexpr std::uint64_t lines = 30'000; // several of the writer's blocks
    writeLines(files, folder / "many.txt", lines, fixedPassword("abcdefgh"));
    std::string expected;
    for (std::uint64_t k = 1; k <= lines; ++k)
        expected += "nr. " + std::to_string(k) + "    abcdefgh\r\n";
    EXPECT_EQ(readBytes(folder / "many.txt"), expected);
}

TEST(BatchFile, AnExistingLongerFileIsFullyReplaced) {
    TempFolder folder;
    SystemFileLayer files;
    writeBytes(folder / "old.txt", std::string(10'000, 'x'));
    writeLines(files, folder / "old.txt", 2, fixedPassword("pw"));
    EXPECT_EQ(readBytes(folder / "old.txt"), "nr. 1    pw\r\nnr. 2    pw\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"old.txt"}));
}

TEST(BatchFile, TwoRunsInARowNumberFromOneAgain) {
    TempFolder folder;
    SystemFileLayer files;
    writeLines(files, folder / "twice.txt", 3, fixedPassword("a"));
    writeLines(files, folder / "twice.txt", 2, fixedPassword("b"));
    EXPECT_EQ(readBytes(folder / "twice.txt"), "nr. 1    b\r\nnr. 2    b\r\n");
}

#ifndef _WIN32
TEST(BatchFile, ANewFileIsForItsOwnerOnlyAndAReplacedOneKeepsItsPermissions) {
    TempFolder folder;
    SystemFileLayer files;
    writeLines(files, folder / "new.txt", 1, fixedPassword("a"));
    EXPECT_EQ(std::filesystem::status(folder / "new.txt").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    writeBytes(folder / "shared.txt", "old");
    const auto shared = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                        std::filesystem::perms::group_read | std::filesystem::perms::others_read;
    std::filesystem::permissions(folder / "shared.txt", shared);
    writeLines(files, folder / "shared.txt", 1, fixedPassword("a"));
    EXPECT_EQ(readBytes(folder / "shared.txt"), "nr. 1    a\r\n");
    EXPECT_EQ(std::filesystem::status(folder / "shared.txt").permissions(), shared);
}

TEST(BatchFile, ALinkIsWrittenThroughAndStaysALink) {
    TempFolder folder;
    SystemFileLayer files;
    writeBytes(folder / "real.txt", "old");
    std::filesystem::create_symlink(folder / "real.txt", folder / "link.txt");
    writeLines(files, folder / "link.txt", 1, fixedPassword("a"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.txt"));
    EXPECT_EQ(readBytes(folder / "real.txt"), "nr. 1    a\r\n");
}
#endif

using Operation = FailingFileLayer::Operation;

struct Failure {
    const char* name;
    Operation operation;
    std::errc error;
    int onCall;
    const char* reason;
    bool newFileOnly = false; // an existing file is then written in place instead
    bool unnamedOnly = false; // a step that only a file made without a name takes
};

class BatchFileFailure : public testing::TestWithParam<Failure> {};

// Whatever fails and wherever, with or without unnamed files, the old file keeps every byte
// and nothing is left beside it.
TEST_P(BatchFileFailure, LeavesTheOldFileAsItWasAndNothingBesideIt) {
    const Failure& row = GetParam();
    for (const bool unnamed : {true, false}) {
        for (const bool existed : {true, false}) {
            if ((existed && row.newFileOnly) || (!unnamed && row.unnamedOnly))
                continue;
#ifdef _WIN32
            // Windows makes no file without a name: the steps of one never come there.
            if (row.unnamedOnly)
                continue;
#endif
            SCOPED_TRACE(std::string(unnamed ? "unnamed" : "named") + (existed ? ", old" : ""));
            TempFolder folder;
            const std::string old = "nr. 1    previous\r\nkeep me\r\n";
            if (existed)
                writeBytes(folder / "pass.txt", old);
            FailingFileLayer files(row.operation, row.error, row.onCall);
            files.unnamedFiles = unnamed;
            // 40,000 lines of 30 bytes: several blocks, so a later write can fail too.
            const BatchOutcome outcome =
                writeLines(files, folder / "pass.txt", 40'000, fixedPassword("0123456789abcdef"));
            EXPECT_EQ(outcome.status, BatchOutcome::Status::failed);
            EXPECT_EQ(fileFailureText(outcome.failure), row.reason);
            EXPECT_FALSE(outcome.failure.oldContentGone);
            if (existed) {
                EXPECT_EQ(readBytes(folder / "pass.txt"), old);
                EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
            } else {
                EXPECT_EQ(folder.names(), (std::set<std::string>{}));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, BatchFileFailure,
    testing::Values(Failure{"examine", Operation::inspect, std::errc::io_error, 1,
                            "The disk reported an error."},
                    Failure{"createRefused", Operation::create, std::errc::permission_denied, 1,
                            "You have no permission to write in its folder.", true},
                    Failure{"createReadOnlyDisk", Operation::create,
                            std::errc::read_only_file_system, 1, "The disk is read-only."},
                    Failure{"createDiskFull", Operation::create, std::errc::no_space_on_device, 1,
                            "The disk is full."},
                    Failure{"modeFails", Operation::mode, std::errc::io_error, 1,
                            "The disk reported an error."},
                    Failure{"firstWriteDiskFull", Operation::write, std::errc::no_space_on_device,
                            1, "The disk is full."},
                    Failure{"thirdWriteDiskFull", Operation::write, std::errc::no_space_on_device,
                            3, "The disk is full."},
                    Failure{"lastWriteFails", Operation::write, std::errc::io_error, 5,
                            "The disk reported an error."},
                    Failure{"finalFlushDiskFull", Operation::finish, std::errc::no_space_on_device,
                            1, "The disk is full."},
                    Failure{"namingFails", Operation::link, std::errc::io_error, 1,
                            "The disk reported an error.", false, true},
                    Failure{"replaceRefused", Operation::replace, std::errc::permission_denied, 1,
                            "You have no permission to replace that file."},
                    Failure{"replaceBusy", Operation::replace, std::errc::device_or_resource_busy,
                            1, "The file is in use."}),
    RowName());

struct Place {
    const char* name;
    const char* target; // inside the test's folder
    const char* reason;
};

class BatchFileBadPlace : public testing::TestWithParam<Place> {};

TEST_P(BatchFileBadPlace, IsReportedBeforeAnythingIsWritten) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    SystemFileLayer files;
    int passwords = 0;
    const BatchOutcome outcome = writeLines(files, folder.path() / GetParam().target, 5,
                                            [&](std::string& line) { ++passwords, line += "x"; });
    EXPECT_EQ(outcome.status, BatchOutcome::Status::failed);
    EXPECT_EQ(fileFailureText(outcome.failure), GetParam().reason);
    EXPECT_EQ(passwords, 0);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"sub"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "sub"));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, BatchFileBadPlace,
    testing::Values(Place{"missingFolder", "nowhere/pass.txt", "Its folder does not exist."},
                    Place{"folder", "sub", "The name is that of a folder, not of a file."},
                    Place{"noName", "sub/", "The name is that of a folder, not of a file."},
                    Place{"missingNoName", "nowhere/", "The name is not a valid file name."}),
    RowName());

TEST(BatchFile, AnEmptyNameIsNoFileName) {
    SystemFileLayer files;
    const BatchOutcome outcome = writeLines(files, "", 5, fixedPassword("x"));
    EXPECT_EQ(outcome.status, BatchOutcome::Status::failed);
    EXPECT_EQ(fileFailureText(outcome.failure), "The name is not a valid file name.");
}

TEST(BatchFile, AStopAskedForByTheProgressReportKeepsTheOldFile) {
    TempFolder folder;
    SystemFileLayer files;
    writeBytes(folder / "pass.txt", "old");
    ProgressPacer pacer(
        1000, [](std::uint64_t line) { return line < 1000; }, std::chrono::milliseconds(0));
    const BatchOutcome outcome =
        writeBatchFile(files, folder / "pass.txt", 1000, fixedPassword("x"), pacer);
    EXPECT_EQ(outcome.status, BatchOutcome::Status::stopped);
    EXPECT_EQ(readBytes(folder / "pass.txt"), "old");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

TEST(BatchFile, APasswordThatCannotBeMadeKeepsTheOldFile) {
    TempFolder folder;
    SystemFileLayer files;
    writeBytes(folder / "pass.txt", "old");
    int made = 0;
    EXPECT_THROW(writeLines(files, folder / "pass.txt", 100'000,
                            [&](std::string& line) {
                                if (++made == 50'000)
                                    throw std::runtime_error("no password");
                                line += "x";
                            }),
                 std::runtime_error);
    EXPECT_EQ(readBytes(folder / "pass.txt"), "old");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

#ifdef __linux__
// A real full disk: a 64 KiB memory file system. Needs the right to mount; skipped without.
TEST(BatchFile, ARealFullDiskKeepsTheOldFile) {
    TempFolder folder;
    const std::string mount =
        "mount -t tmpfs -o size=64k tmpfs '" + folder.path().string() + "' 2>/dev/null";
    if (std::system(mount.c_str()) != 0)
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    struct Unmount {
        std::string path;
        ~Unmount() { EXPECT_EQ(std::system(("umount '" + path + "'").c_str()), 0); }
    } unmount{folder.path().string()};

    writeBytes(folder / "pass.txt", "old");
    SystemFileLayer files;
    const BatchOutcome outcome =
        writeLines(files, folder / "pass.txt", 10'000, fixedPassword("0123456789abcdef"));
    EXPECT_EQ(outcome.status, BatchOutcome::Status::failed);
    EXPECT_EQ(fileFailureText(outcome.failure), "The disk is full.");
    EXPECT_EQ(readBytes(folder / "pass.txt"), "old");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}
#endif

#ifdef __linux__
TEST(BatchFile, AFolderThatTakesNoNewFilesIsNotCalledMissing) {
    SystemFileLayer files;
    const BatchOutcome outcome =
        writeLines(files, "/proc/quentara-pass.txt", 5, fixedPassword("x"));
    EXPECT_EQ(fileFailureText(outcome.failure), "Its folder does not take new files.");
}
#endif

struct Size {
    const char* name;
    std::uint64_t quantity;
    std::uint64_t passwordLength;
    std::uintmax_t bytes;
};

class BatchFileSize : public testing::TestWithParam<Size> {};

TEST_P(BatchFileSize, CountsEveryByteOfEveryLine) {
    EXPECT_EQ(batchFileSize(GetParam().quantity, GetParam().passwordLength), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, BatchFileSize,
    testing::Values(Size{"noLines", 0, 16, 0}, Size{"oneEmptyPassword", 1, 0, 11},
                    Size{"nineLines", 9, 16, 243}, Size{"tenLinesOneTwoDigitNumber", 10, 16, 271},
                    Size{"hundredLines", 100, 8, 1992},
                    Size{"largestQuantity", 999'999'999'999'999, 16, 40'888'888'888'888'863},
                    Size{"beyondAnyDisk", 999'999'999'999'999, 2'147'483'647,
                         std::numeric_limits<std::uintmax_t>::max()}),
    RowName());

TEST(BatchNotWrittenMessage, NamesTheFileAndTheReason) {
    EXPECT_EQ(batchNotWrittenMessage("C:\\pass.txt", "The disk is full."),
              "The file \"C:\\pass.txt\" was not written, and nothing on disk was changed.\n"
              "The disk is full.");
}

} // namespace
} // namespace quentara
