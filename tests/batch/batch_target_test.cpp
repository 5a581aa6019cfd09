// SPDX-License-Identifier: GPL-3.0-or-later
// Targets that a replacement would change in more than their content are written in place or
// written to as they are; a link to nothing gets its file and stays a link.
#ifndef _WIN32
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "support/abc_lines.h"
#include "support/child_process.h"
#include "support/failing_file_layer.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quentara {
namespace {

namespace fs = std::filesystem;
using Operation = FailingFileLayer::Operation;
using Status = BatchOutcome::Status;

ino_t inodeOf(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
}

struct InPlace {
    const char* name;
    Operation operation; // what keeps a replacement from being made
    std::errc error;
    std::optional<std::uintmax_t> room;
    Status status;
    const char* reason;
};

class BatchFileInPlace : public testing::TestWithParam<InPlace> {};

TEST_P(BatchFileInPlace, WritesTheFileItselfWhenTheDiskHoldsAllOfIt) {
    const InPlace& row = GetParam();
    TempFolder folder;
    writeBytes(folder / "pass.txt", "old content");
    const ino_t inode = inodeOf(folder / "pass.txt");
    FailingFileLayer files(row.operation, row.error);
    files.freeRoom = row.room;
    const BatchOutcome outcome = writeAbcLines(files, folder / "pass.txt", 12);
    EXPECT_EQ(outcome.status, row.status);
    EXPECT_EQ(fileFailureText(outcome.failure), row.reason);
    EXPECT_FALSE(outcome.failure.oldContentGone);
    EXPECT_EQ(readBytes(folder / "pass.txt"),
              row.status == Status::written ? twelveLines : "old content");
    EXPECT_EQ(inodeOf(folder / "pass.txt"), inode);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

// No replacement can be made, and nothing says the disk is short of room: written in place.
InPlace written(const char* name, Operation operation, std::errc error) {
    return {name, operation, error, {}, Status::written, ""};
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, BatchFileInPlace,
    testing::Values(
        written("folderRefusesNewFiles", Operation::create, std::errc::permission_denied),
        written("folderTakesNoNewFiles", Operation::create, std::errc::no_such_file_or_directory),
        written("ownerCannotBeKept", Operation::owner, std::errc::operation_not_permitted),
        InPlace{"roomToTheByte", Operation::create, std::errc::permission_denied, 171,
                Status::written, ""},
        InPlace{"roomOneByteShort", Operation::create, std::errc::permission_denied, 170,
                Status::failed, "The disk has too little free space for the new file."}),
    RowName());

TEST(BatchFileInPlace, EveryHardLinkSeesTheNewContent) {
    TempFolder folder;
    writeBytes(folder / "a.txt", "old content");
    fs::create_hard_link(folder / "a.txt", folder / "b.txt");
    SystemFileLayer files;
    EXPECT_EQ(writeAbcLines(files, folder / "a.txt", 12).status, Status::written);
    EXPECT_EQ(readBytes(folder / "b.txt"), twelveLines);
    EXPECT_EQ(fs::hard_link_count(folder / "a.txt"), 2u);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"a.txt", "b.txt"}));
}

struct EarlyEnd {
    const char* name;
    Operation operation;
    std::uint64_t stopAt;
    const char* reason;
};

class BatchFileInPlaceEnd : public testing::TestWithParam<EarlyEnd> {};

TEST_P(BatchFileInPlaceEnd, SaysTheOldContentIsGone) {
    TempFolder folder;
    writeBytes(folder / "a.txt", "old content");
    fs::create_hard_link(folder / "a.txt", folder / "b.txt");
    FailingFileLayer files(GetParam().operation, std::errc::no_space_on_device);
    const BatchOutcome outcome = writeAbcLines(files, folder / "a.txt", 12, GetParam().stopAt);
    EXPECT_EQ(outcome.status, Status::failed);
    EXPECT_EQ(batchFailureMessage("a.txt", outcome.failure),
              std::string("The file \"a.txt\" was not written to the end, and what it held "
                          "before is gone.\n") +
                  GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, BatchFileInPlaceEnd,
    testing::Values(EarlyEnd{"diskFull", Operation::write, 0, "The disk is full."},
                    EarlyEnd{"stopped", Operation::none, 2, "The run was stopped before the end."}),
    RowName());

struct PipeReading {
    const char* name;
    int readBytes; // -1: no reader; 0: all of it
    Status status;
    const char* message;
};

class BatchFilePipe : public testing::TestWithParam<PipeReading> {};

TEST_P(BatchFilePipe, IsWrittenToAsItIsAndNothingIsMadeBesideIt) {
    const PipeReading& row = GetParam();
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader;
    int holder = -1; // a second writer, so the reader sees no end before the run's writer comes
    if (row.readBytes >= 0) {
        // Opened before the run, so the writer finds a reader at once.
        const int fd = ::open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        ::fcntl(fd, F_SETFL, 0);
        holder = ::open((folder / "pipe").c_str(), O_WRONLY | O_NONBLOCK);
        ASSERT_GE(holder, 0);
        reader = std::thread([&received, fd, limit = row.readBytes] {
            char block[4096];
            ssize_t got = 0;
            while ((limit == 0 || received.size() < std::size_t(limit)) &&
                   (got = ::read(fd, block, limit == 0 ? sizeof block : 1)) > 0)
                received.append(block, std::size_t(got));
            ::close(fd);
        });
    }
    SystemFileLayer files;
    const std::uint64_t lines = row.readBytes == 0 ? 12 : 200'000; // more than the pipe holds
    const BatchOutcome outcome = writeAbcLines(files, folder / "pipe", lines);
    if (reader.joinable()) {
        ::close(holder);
        reader.join();
    }
    EXPECT_EQ(outcome.status, row.status);
    EXPECT_EQ(row.status == Status::written ? received
                                            : batchFailureMessage("pipe", outcome.failure),
              row.message);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pipe"}));
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
}

INSTANTIATE_TEST_SUITE_P(
    Readers, BatchFilePipe,
    testing::Values(PipeReading{"readToTheEnd", 0, Status::written, twelveLines},
                    PipeReading{"noReader", -1, Status::failed,
                                "The file \"pipe\" was not written, and nothing on disk was "
                                "changed.\nNo program is reading from that pipe."},
                    PipeReading{"readerStopsEarly", 10, Status::failed,
                                "Writing to \"pipe\" stopped before the end.\nThe program "
                                "reading from that pipe stopped reading."}),
    RowName());

TEST(BatchFileDevice, NullTakesEverythingAndStaysADevice) {
    SystemFileLayer files;
    EXPECT_EQ(writeAbcLines(files, "/dev/null", 100'000).status, Status::written);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

struct DanglingLink {
    const char* name;
    const char* linkTo; // relative to the test's folder unless absolute
    const char* hop;    // a second link on the way, or nothing
};

class BatchFileDanglingLink : public testing::TestWithParam<DanglingLink> {};

TEST_P(BatchFileDanglingLink, MakesTheFileItNamesAndStaysALink) {
    const DanglingLink& row = GetParam();
    TempFolder folder;
    const fs::path made = folder / "made.txt";
    const fs::path linkTo = std::string(row.linkTo) == "absolute" ? made : fs::path("made.txt");
    if (row.hop[0] != '\0') {
        fs::create_symlink(linkTo, folder / row.hop);
        fs::create_symlink(row.hop, folder / "link.txt");
    } else {
        fs::create_symlink(linkTo, folder / "link.txt");
    }
    SystemFileLayer files;
    EXPECT_EQ(writeAbcLines(files, folder / "link.txt", 12).status, Status::written);
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(readBytes(made), twelveLines);
    EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

INSTANTIATE_TEST_SUITE_P(Links, BatchFileDanglingLink,
                         testing::Values(DanglingLink{"absolute", "absolute", ""},
                                         DanglingLink{"relative", "relative", ""},
                                         DanglingLink{"throughASecondLink", "relative", "hop.txt"}),
                         RowName());

TEST(BatchFileOwner, RootReplacingAnotherUsersFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    TempFolder folder;
    writeBytes(folder / "theirs.txt", "old");
    ASSERT_EQ(::chown((folder / "theirs.txt").c_str(), 4321, 4322), 0);
    ASSERT_EQ(::chmod((folder / "theirs.txt").c_str(), 0640), 0);
    SystemFileLayer files;
    EXPECT_EQ(writeAbcLines(files, folder / "theirs.txt", 12).status, Status::written);
    struct stat st {};
    ASSERT_EQ(::stat((folder / "theirs.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(folder / "theirs.txt"), twelveLines);
}

struct Limited {
    const char* name;
    bool hardLinked; // written in place
};

class BatchFileSizeLimit : public testing::TestWithParam<Limited> {};

// Beyond the limit the system would end the program with SIGXFSZ in the middle of the file.
TEST_P(BatchFileSizeLimit, IsCheckedBeforeTheFileIsTouched) {
    TempFolder folder;
    writeBytes(folder / "a.txt", "old content");
    if (GetParam().hardLinked)
        fs::create_hard_link(folder / "a.txt", folder / "b.txt");
    const std::set<std::string> names = folder.names();
    const ChildEnd end = inChild(::geteuid(), [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{170, RLIM_INFINITY}; // a byte short of 12 lines
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SystemFileLayer files;
        return batchFailureMessage("a.txt", writeAbcLines(files, folder / "a.txt", 12).failure);
    });
    EXPECT_TRUE(WIFEXITED(end.status)) << end.status;
    EXPECT_EQ(end.said, "The file \"a.txt\" was not written, and nothing on disk was changed.\n"
                        "The new file would be larger than the file size limit allows.");
    EXPECT_EQ(readBytes(folder / "a.txt"), "old content");
    EXPECT_EQ(folder.names(), names);
}

INSTANTIATE_TEST_SUITE_P(Ways, BatchFileSizeLimit,
                         testing::Values(Limited{"replaced", false}, Limited{"inPlace", true}),
                         RowName());

TEST(BatchFileInPlace, ASecondRunOnTheSameFileIsRefusedWhileTheFirstWrites) {
    TempFolder folder;
    writeBytes(folder / "a.txt", "old content");
    fs::create_hard_link(folder / "a.txt", folder / "b.txt");
    SystemFileLayer files;
    std::string second;
    const BatchOutcome first =
        writeAbcLines(files, folder / "a.txt", 12, 0, [&](std::uint64_t line) {
            if (line == 1) { // the first run holds the file from its start
                SystemFileLayer others;
                second = batchFailureMessage("b.txt",
                                             writeAbcLines(others, folder / "b.txt", 3).failure);
            }
            return true;
        });
    EXPECT_EQ(first.status, Status::written);
    EXPECT_EQ(second, "The file \"b.txt\" was not written, and nothing on disk was changed.\n"
                      "Another run is writing that file.");
    EXPECT_EQ(readBytes(folder / "b.txt"), twelveLines);
}

struct SystemFile {
    const char* name;
    const char* path;
    bool rootOnly;
    const char* message;
};

class BatchFileSystemFile : public testing::TestWithParam<SystemFile> {};

// /proc files say they are empty and take no content: nothing of them was lost.
TEST_P(BatchFileSystemFile, RefusingContentIsToldTruthfully) {
    if (GetParam().rootOnly && ::geteuid() != 0)
        GTEST_SKIP() << "only root may open it for writing";
    SystemFileLayer files;
    EXPECT_EQ(batchFailureMessage("f", writeAbcLines(files, GetParam().path, 12).failure),
              GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BatchFileSystemFile,
    testing::Values(SystemFile{"badValue", "/proc/self/oom_score_adj", false,
                               "The file \"f\" was not written, and nothing on disk was "
                               "changed.\nWriting failed (Invalid argument)."},
                    SystemFile{"readOnlyForRootToo", "/proc/version", true,
                               "The file \"f\" was not written, and nothing on disk was "
                               "changed.\nThe disk reported an error."}),
    RowName());

struct NoModes {
    const char* name;
    bool existed;
    bool refusedNotice;
};

class BatchFileWithoutModes : public testing::TestWithParam<NoModes> {};

// A file system without permission bits (FAT through FUSE) still gets the file, as a shell's
// ">" would give it; the notice is for a new file, which was meant for its owner only.
TEST_P(BatchFileWithoutModes, IsWrittenAllTheSame) {
    TempFolder folder;
    if (GetParam().existed)
        writeBytes(folder / "a.txt", "old content");
    FailingFileLayer files(Operation::mode, std::errc::function_not_supported);
    const BatchOutcome outcome = writeAbcLines(files, folder / "a.txt", 12);
    EXPECT_EQ(outcome.status, Status::written);
    EXPECT_EQ(outcome.ownerOnlyRefused, GetParam().refusedNotice);
    EXPECT_EQ(readBytes(folder / "a.txt"), twelveLines);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"a.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Files, BatchFileWithoutModes,
                         testing::Values(NoModes{"new", false, true},
                                         NoModes{"replaced", true, false}),
                         RowName());

} // namespace
} // namespace quentara
#endif
