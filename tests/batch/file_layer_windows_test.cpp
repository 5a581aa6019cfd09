// SPDX-License-Identifier: GPL-3.0-or-later
// The batch file on the real Windows file layer (_wsopen_s, _commit, the replacing move), under
// wine on Linux: what Windows refuses leaves the old file byte for byte and nothing beside it.
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace quentara {
namespace {

const std::string old = "nr. 1    previous\r\nkeep me\r\n";

BatchOutcome writeTwoLines(const std::filesystem::path& target) {
    SystemFileLayer files;
    ProgressPacer pacer(2, [](std::uint64_t) { return true; });
    return writeBatchFile(
        files, target, 2, [](std::string& line) { line += "ab"; }, pacer);
}

TEST(BatchFileOnWindows, IsWrittenWithCrLfAndReplacesTheOldFileWhole) {
    TempFolder folder;
    writeBytes(folder / "pass.txt", old + old + old);
    EXPECT_EQ(writeTwoLines(folder / "pass.txt").status, BatchOutcome::Status::written);
    EXPECT_EQ(readBytes(folder / "pass.txt"), "nr. 1    ab\r\nnr. 2    ab\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

TEST(BatchFileOnWindows, AHardLinkedFileIsWrittenInPlaceSoEveryNameShowsTheNewContent) {
    TempFolder folder;
    writeBytes(folder / "pass.txt", old);
    std::filesystem::create_hard_link(folder / "pass.txt", folder / "other.txt");
    EXPECT_EQ(writeTwoLines(folder / "pass.txt").status, BatchOutcome::Status::written);
    EXPECT_EQ(readBytes(folder / "other.txt"), "nr. 1    ab\r\nnr. 2    ab\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"other.txt", "pass.txt"}));
}

// Killed by the system in the middle of a run (Task Manager's End task), the writer can clean
// nothing up: the system must, and only the old file remains.
TEST(BatchFileOnWindows, AWriterKilledMidRunLeavesOnlyTheOldFile) {
    TempFolder folder;
    writeBytes(folder / "pass.txt", old);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE midRun = CreateEventW(&inherited, TRUE, FALSE, nullptr);
    std::string command = "\"" KILLED_WRITER_EXE "\" \"" + (folder / "pass.txt").string() + "\" " +
                          std::to_string(reinterpret_cast<std::uintptr_t>(midRun));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &child));
    // Killed in the middle of writing, once the writer says so (bounded, so a writer that
    // never gets there fails the test instead of hanging it).
    const bool writing = WaitForSingleObject(midRun, 20'000) == WAIT_OBJECT_0;
    CloseHandle(midRun);
    TerminateProcess(child.hProcess, 9);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    ASSERT_TRUE(writing);
    EXPECT_EQ(readBytes(folder / "pass.txt"), old);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

// An open handle on the old file, as another program would hold it.
class HeldOpen {
public:
    HeldOpen(const std::filesystem::path& file, DWORD sharing)
        : handle_(CreateFileA(file.string().c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() { CloseHandle(handle_); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool ready() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

struct Refusal {
    const char* name;
    bool readOnly;      // the old file carries the read-only attribute
    DWORD sharing;      // what another program holding it open shares, or ~0u when none holds it
    const char* reason; // nullptr: the wording is not settled (below)
};

void PrintTo(const Refusal& row, std::ostream* out) {
    *out << row.name;
}

class BatchFileRefusedOnWindows : public testing::TestWithParam<Refusal> {};

TEST_P(BatchFileRefusedOnWindows, LeavesTheOldFileAsItWasAndNothingBesideIt) {
    const Refusal& row = GetParam();
    TempFolder folder;
    writeBytes(folder / "pass.txt", old);
    if (row.readOnly) {
        ASSERT_TRUE(
            SetFileAttributesA((folder / "pass.txt").string().c_str(), FILE_ATTRIBUTE_READONLY));
    }
    BatchOutcome outcome;
    if (row.sharing != ~0u) {
        HeldOpen other(folder / "pass.txt", row.sharing);
        ASSERT_TRUE(other.ready());
        outcome = writeTwoLines(folder / "pass.txt");
    } else {
        outcome = writeTwoLines(folder / "pass.txt");
    }
    EXPECT_EQ(outcome.status, BatchOutcome::Status::failed);
    if (row.reason) {
        EXPECT_EQ(fileFailureText(outcome.failure), row.reason);
    }
    SetFileAttributesA((folder / "pass.txt").string().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readBytes(folder / "pass.txt"), old);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, BatchFileRefusedOnWindows,
    testing::Values(
        Refusal{"readOnlyFile", true, ~0u, "You have no permission to change that file."},
        // Windows refuses to replace a file another program holds open; the replacing move
        // reports that as a refused access, so the reason cannot yet tell it from a real one.
        Refusal{"openElsewhereSharingNothing", false, 0, nullptr},
        Refusal{"openElsewhereForReadingOnly", false, FILE_SHARE_READ, nullptr}),
    RowName());

TEST(BatchFileOnWindows, AMissingFolderIsRefusedBeforeAnythingIsWritten) {
    TempFolder folder;
    const BatchOutcome outcome = writeTwoLines(folder / "nowhere" / "pass.txt");
    EXPECT_EQ(outcome.status, BatchOutcome::Status::failed);
    EXPECT_EQ(fileFailureText(outcome.failure), "Its folder does not exist.");
    EXPECT_EQ(folder.names(), (std::set<std::string>{}));
}

} // namespace
} // namespace quentara
