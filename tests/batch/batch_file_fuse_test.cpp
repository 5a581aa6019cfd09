// SPDX-License-Identifier: GPL-3.0-or-later
// The real writer on a FUSE file system: no unnamed files there, so the new content goes
// through a named temporary; and one that cannot set modes, as FAT through FUSE.
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "support/fuse_mount.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace quentara {
namespace {

namespace fs = std::filesystem;
using Modes = FuseMount::Modes;

constexpr char twelveLines[] =
    "nr. 1    abc\r\nnr. 2    abc\r\nnr. 3    abc\r\nnr. 4    abc\r\n"
    "nr. 5    abc\r\nnr. 6    abc\r\nnr. 7    abc\r\nnr. 8    abc\r\n"
    "nr. 9    abc\r\nnr. 10    abc\r\nnr. 11    abc\r\nnr. 12    abc\r\n";

BatchOutcome writeTwelveLines(const fs::path& target) {
    SystemFileLayer files;
    ProgressPacer pacer(
        12, [](std::uint64_t) { return true; }, std::chrono::milliseconds(0));
    return writeBatchFile(
        files, target, 12, [](std::string& line) { line += "abc"; }, pacer);
}

unsigned modeOf(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? static_cast<unsigned>(st.st_mode) & 07777u : 0u;
}

struct FuseTarget {
    const char* name;
    Modes modes;
    std::optional<unsigned> oldMode;      // the file there before; none: a new file
    std::optional<unsigned> expectedMode; // none: the file system decides
};

class BatchFileOnFuse : public testing::TestWithParam<FuseTarget> {};

TEST_P(BatchFileOnFuse, WritesExactlyTheFileAndLeavesNothingElse) {
    const FuseTarget& row = GetParam();
    FuseMount fuse(row.modes);
    if (!fuse.unavailable().empty())
        GTEST_SKIP() << fuse.unavailable();
    if (row.oldMode) {
        writeBytes(fuse.backing() / "pw.txt", "old content");
        ASSERT_EQ(::chmod((fuse.backing() / "pw.txt").c_str(), *row.oldMode), 0);
    }
    const BatchOutcome outcome = writeTwelveLines(fuse.mount() / "pw.txt");
    EXPECT_EQ(outcome.status, BatchOutcome::Status::written)
        << batchFailureMessage("pw.txt", outcome.failure);
    EXPECT_EQ(readBytes(fuse.mount() / "pw.txt"), twelveLines);
    // The backing folder shows whatever the file system made, hidden names included.
    EXPECT_EQ(namesIn(fuse.backing()), std::set<std::string>{"pw.txt"});
    if (row.expectedMode) {
        EXPECT_EQ(modeOf(fuse.mount() / "pw.txt"), *row.expectedMode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, BatchFileOnFuse,
    testing::Values(FuseTarget{"newFile", Modes::changeable, {}, 0600u},
                    FuseTarget{"replacedFileKeepsItsMode", Modes::changeable, 0640u, 0640u},
                    FuseTarget{"newFileModesRefused", Modes::refused, {}, {}},
                    FuseTarget{"replacedFileModesRefused", Modes::refused, 0640u, {}}),
    RowName());

} // namespace
} // namespace quentara
