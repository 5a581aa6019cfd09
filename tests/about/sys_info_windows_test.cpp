// SPDX-License-Identifier: GPL-3.0-or-later
// The system-information lookup on the real Windows registry, file system and process launch
// (under wine on Linux). Every test makes its own keys and removes them afterwards.
#include "about/sys_info.h"
#include "about/sys_info_windows.h"
#include "scratch_key_windows.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <iterator>
#include <tlhelp32.h> // after <windows.h>, which scratch_key_windows.h brings

namespace quentara {
namespace {

const std::string testKeyRoot = "SOFTWARE\\Quentara tests\\";

std::string uniqueKeyPath(const char* name) {
    return testKeyRoot + name + "-" + std::to_string(GetCurrentProcessId());
}

// The registry says nothing about a launch: the started program leaves its marker and ends in
// its own time. The launcher lets its process go, so the process is found again by its file
// and waited for (bounded, so a program that never ends fails the test instead of hanging it);
// one that is not found has ended already. Only then may its file and folder go.
std::string waitForMarker(const std::filesystem::path& program) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                           entry.th32ProcessID);
        if (process == nullptr)
            continue;
        wchar_t image[1024];
        DWORD size = std::size(image);
        std::error_code unknown;
        if (QueryFullProcessImageNameW(process, 0, image, &size) &&
            std::filesystem::equivalent(std::filesystem::path(image), program, unknown))
            EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0) << program;
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    std::error_code stillThere; // the test's folder goes with it
    std::filesystem::remove(program, stillThere);
    return readBytes(program.string() + ".ran");
}

// A copy of the marker program under the given name, so that the launch shows.
std::filesystem::path placeTool(const std::filesystem::path& where) {
    std::filesystem::copy_file(LAUNCH_MARKER_EXE, where);
    return where;
}

struct ValueCase {
    const char* name;
    DWORD type;
    std::string data;
    bool read;
    std::string text; // what KeyVal holds afterwards; it held "before" on entry
};

void PrintTo(const ValueCase& row, std::ostream* out) {
    *out << row.name;
}

class GetKeyValueOnWindows : public testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueOnWindows, ReadsTheValueAsText) {
    const ValueCase& row = GetParam();
    ScratchKey key(uniqueKeyPath(row.name));
    ASSERT_TRUE(key.ready());
    ASSERT_TRUE(row.type == REG_DWORD ? key.setNumber("Value", 1234)
                                      : key.set("Value", row.type, row.data));
    WindowsRegistry registry;
    std::string text = "before";
    EXPECT_EQ(GetKeyValue(registry, localMachineRoot, key.path(), "Value", text), row.read);
    EXPECT_EQ(text, row.text);
}

const std::string longest(1023, 'x');

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueOnWindows,
    testing::Values(ValueCase{"textWithItsNul", REG_SZ, std::string("C:\\Tools\\tool.exe\0", 18),
                              true, "C:\\Tools\\tool.exe"},
                    ValueCase{"textWithoutItsNul", REG_SZ, "C:\\Tools\\tool.exe", true,
                              "C:\\Tools\\tool.exe"},
                    ValueCase{"textEndingInTwoNulsLosesOne", REG_SZ, std::string("abc\0\0", 5),
                              true, std::string("abc\0", 4)},
                    ValueCase{"text1024BytesLong", REG_SZ, longest + '\0', true, longest},
                    ValueCase{"text1025BytesLong", REG_SZ, longest + "y" + '\0', false, ""},
                    ValueCase{"number", REG_DWORD, "", true, "1234"},
                    ValueCase{"otherTypeLeavesTheText", REG_BINARY, "\x01\x02", true, "before"}),
    RowName());

TEST(GetKeyValueOnWindowsFailures, MissingKeyAndMissingValueGiveFalseAndEmptyText) {
    ScratchKey key(uniqueKeyPath("missingValue"));
    ASSERT_TRUE(key.ready());
    WindowsRegistry registry;
    std::string text = "before";
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, key.path(), "Value", text));
    EXPECT_EQ(text, "");
    text = "before";
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, key.path() + "\\Gone", "Value", text));
    EXPECT_EQ(text, "");
}

TEST(GetKeyValueOnWindowsFailures, EmptyDataIsAnError) {
    ScratchKey key(uniqueKeyPath("empty"));
    ASSERT_TRUE(key.ready());
    ASSERT_TRUE(key.set("Value", REG_BINARY, ""));
    WindowsRegistry registry;
    std::string text;
    EXPECT_THROW(GetKeyValue(registry, localMachineRoot, key.path(), "Value", text),
                 EmptyRegistryValue);
}

// Everyone may query the key but not write into it: opened with write rights it is refused.
TEST(GetKeyValueOnWindowsAccess, AKeyReadableOnlyForQueryingIsRead) {
    ScratchKey key(uniqueKeyPath("queryOnly"));
    ASSERT_TRUE(key.ready());
    ASSERT_TRUE(key.set("Value", REG_SZ, std::string("tool\0", 5)));
    ASSERT_TRUE(key.protect("D:(D;;0x26;;;WD)(A;;KA;;;WD)")); // no set value, subkey, link
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.path().c_str(), 0, 0x2003F, &opened),
              ERROR_ACCESS_DENIED);
    WindowsRegistry registry;
    std::string text;
    EXPECT_TRUE(GetKeyValue(registry, localMachineRoot, key.path(), "Value", text));
    EXPECT_EQ(text, "tool");
}

TEST(GetKeyValueOnWindowsAccess, ARefusedKeyGivesFalseAndEmptyText) {
    ScratchKey key(uniqueKeyPath("refused"));
    ASSERT_TRUE(key.ready());
    ASSERT_TRUE(key.set("Value", REG_SZ, std::string("tool\0", 5)));
    ASSERT_TRUE(key.protect("D:(D;;0x1;;;WD)(A;;KA;;;WD)")); // no querying
    WindowsRegistry registry;
    std::string text = "before";
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, key.path(), "Value", text));
    EXPECT_EQ(text, "");
}

struct FileCase {
    const char* name;
    const char* path; // in the test's folder, which holds "file.txt", "hidden.txt" and "folder"
    bool ordinary;
};

void PrintTo(const FileCase& row, std::ostream* out) {
    *out << row.name;
}

class FileCheckOnWindows : public testing::TestWithParam<FileCase> {};

TEST_P(FileCheckOnWindows, CountsOrdinaryFilesOnly) {
    TempFolder folder;
    writeBytes(folder / "file.txt", "x");
    writeBytes(folder / "hidden.txt", "x");
    ASSERT_TRUE(
        SetFileAttributesA((folder / "hidden.txt").string().c_str(), FILE_ATTRIBUTE_HIDDEN));
    std::filesystem::create_directory(folder / "folder");
    WindowsFileCheck files;
    EXPECT_EQ(files.isOrdinaryFile((folder / GetParam().path).string()), GetParam().ordinary);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileCheckOnWindows,
                         testing::Values(FileCase{"file", "file.txt", true},
                                         FileCase{"missingFile", "gone.txt", false},
                                         FileCase{"folder", "folder", false},
                                         FileCase{"hiddenFile", "hidden.txt", false}),
                         RowName());

TEST(LauncherOnWindows, StartsAProgramInANormalWindowWithoutWaiting) {
    TempFolder folder;
    const std::filesystem::path tool = placeTool(folder / "tool with blanks.exe");
    WindowsLauncher launcher;
    EXPECT_TRUE(launcher.launch(tool.string()));
    EXPECT_EQ(waitForMarker(tool), "show 1"); // SW_SHOWNORMAL
}

TEST(LauncherOnWindows, AMissingProgramOrAFolderIsNotStarted) {
    TempFolder folder;
    WindowsLauncher launcher;
    EXPECT_FALSE(launcher.launch((folder / "gone.exe").string()));
    EXPECT_FALSE(launcher.launch(folder.path().string()));
}

// The two registry rows are the machine's fixed keys: these tests take turns (see CMake), and
// give the keys back as they found them.
struct LookupCase {
    const char* name;
    const char* row1;       // the tool's full path in the test's folder; "" for no key
    const char* row2;       // the folder, in the test's folder; "" for no key
    const char* row1Access; // an access list for row 1's key, or nullptr
    const char* started;    // the program that ran, or "" for the message
};

void PrintTo(const LookupCase& row, std::ostream* out) {
    *out << row.name;
}

class RegistrySysInfoToolOnWindows : public testing::TestWithParam<LookupCase> {};

TEST_P(RegistrySysInfoToolOnWindows, StartsTheToolTheRegistryNames) {
    const LookupCase& row = GetParam();
    TempFolder folder;
    std::filesystem::create_directory(folder / "tools");
    std::filesystem::create_directory(folder / "empty");
    placeTool(folder / "tool.exe");
    placeTool(folder / "tools" / "MSINFO32.EXE");
    ScratchKey key1(toolPathKey);
    ScratchKey key2(toolFolderKey);
    if (!key1.ready() || !key2.ready())
        GTEST_SKIP() << "no right to write the machine's registry keys";
    if (*row.row1) {
        ASSERT_TRUE(key1.set(toolPathValue, REG_SZ, (folder / row.row1).string() + '\0'));
    } else {
        key1.remove(toolPathValue);
    }
    if (*row.row2) {
        ASSERT_TRUE(key2.set(toolFolderValue, REG_SZ, (folder / row.row2).string() + '\0'));
    } else {
        key2.remove(toolFolderValue);
    }
    if (row.row1Access) {
        ASSERT_TRUE(key1.protect(row.row1Access));
    }

    WindowsRegistry registry;
    WindowsFileCheck files;
    WindowsLauncher launcher;
    RegistrySysInfoTool tool(registry, files, launcher);
    EXPECT_EQ(tool.start(), *row.started != '\0');
    if (*row.started) {
        EXPECT_EQ(waitForMarker(folder / row.started), "show 1");
    }
    // Only the program that was named ran: the other one left no marker.
    for (const char* other : {"tool.exe", "tools\\MSINFO32.EXE"}) {
        if (std::string(other) != row.started) {
            EXPECT_FALSE(std::filesystem::exists(folder / (std::string(other) + ".ran"))) << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RegistrySysInfoToolOnWindows,
    testing::Values(
        LookupCase{"row1NamesTheTool", "tool.exe", "tools", nullptr, "tool.exe"},
        LookupCase{"row2FolderHoldsTheTool", "", "tools", nullptr, "tools\\MSINFO32.EXE"},
        LookupCase{"row2FolderLacksTheTool", "", "empty", nullptr, ""},
        LookupCase{"row1NamesAMissingFileRow2NotTried", "gone.exe", "tools", nullptr, ""},
        LookupCase{"row1NamesAFolder", "tools", "", nullptr, ""},
        LookupCase{"noRows", "", "", nullptr, ""},
        LookupCase{"row1ReadableOnlyForQuerying", "tool.exe", "", "D:(D;;0x26;;;WD)(A;;KA;;;WD)",
                   "tool.exe"},
        LookupCase{"row1RefusedRow2Missing", "tool.exe", "", "D:(D;;0x1;;;WD)(A;;KA;;;WD)", ""}),
    RowName());

} // namespace
} // namespace quentara
