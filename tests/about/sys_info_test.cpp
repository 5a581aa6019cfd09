// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sys_info.h"
#include "support/row_name.h"
#include "support/scripted_sys_info.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quentara {
namespace {

const std::string toolFile =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string toolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string toolInFolder = toolFolder + "\\MSINFO32.EXE";
const std::string missingFile = "C:\\Gone\\msinfo32.exe";
const std::string longPath = "C:\\" + std::string(1021, 'x'); // 1024 bytes
using Outcome = RecordingLauncher::Outcome;

struct Value {
    std::string key;
    std::string name;
    std::uint32_t type;
    std::vector<unsigned char> data;
};

Value row1Value(std::uint32_t type, const std::string& data) {
    return {toolPathKey, toolPathValue, type, bytes(data)};
}
Value row1Text(const std::string& path) {
    return row1Value(registryText, path + '\0');
}
Value row2Text(const std::string& folder) {
    return {toolFolderKey, toolFolderValue, registryText, bytes(folder + '\0')};
}

struct LaunchCase {
    const char* name;
    std::vector<Value> values;
    std::set<std::string> files;
    Outcome outcome;
    std::vector<std::string> opened;   // key paths, in order
    std::vector<std::string> checked;  // file checks, in order
    std::vector<std::string> launched; // launch attempts
    bool message;                      // the tool is unavailable: the dialog says so
};

class StartSysInfoCases : public testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoCases, LaunchesTheToolOrReportsItUnavailable) {
    const LaunchCase& row = GetParam();
    RecordingRegistry registry;
    for (const Value& value : row.values)
        registry.values.setValue(localMachineRoot, value.key, value.name, value.type, value.data);
    ScriptedFileCheck files;
    files.files = row.files;
    RecordingLauncher launcher;
    launcher.outcome = row.outcome;
    RegistrySysInfoTool tool(registry, files, launcher);

    bool started = false;
    try {
        started = tool.start();
    } catch (const std::exception&) {
        // the dialog tells the user the tool is unavailable, as for any failure
    }

    EXPECT_EQ(registry.openedPaths(), row.opened);
    EXPECT_EQ(files.asked, row.checked);
    EXPECT_EQ(launcher.launched, row.launched);
    EXPECT_EQ(started, !row.message);
    EXPECT_EQ(registry.values.openKeyCount(), 0u) << "every opened key is closed";
    for (const RecordingRegistry::Opening& opening : registry.openings)
        EXPECT_EQ(opening.access, queryValueAccess) << opening.path;
}

const std::string row1 = toolPathKey;
const std::string row2 = toolFolderKey;

// Row 1 leads nowhere; row 2's folder holds the tool, which starts.
LaunchCase foundThroughRow2(const char* name, std::vector<Value> values) {
    return {name,         std::move(values), {toolInFolder}, Outcome::starts,
            {row1, row2}, {toolInFolder},    {toolInFolder}, false};
}

// Row 1 is there but names no file: row 2 is not tried, and the tool is unavailable.
LaunchCase emptyRow1(const char* name, const Value& value) {
    return {name, {value, row2Text(toolFolder)}, {toolInFolder}, Outcome::starts, {row1}, {}, {},
            true};
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, StartSysInfoCases,
    testing::Values(
        LaunchCase{"Row1NamesTheToolAndRow2IsNeverRead",
                   {row1Text(toolFile), row2Text(toolFolder)},
                   {toolInFolder},
                   Outcome::starts,
                   {row1},
                   {},
                   {toolFile},
                   false},
        foundThroughRow2("Row1KeyMissingRow2FolderHoldsTheTool", {row2Text(toolFolder)}),
        foundThroughRow2("Row1ValueMissingRow2FolderHoldsTheTool",
                         {Value{row1, "Other", registryText, bytes(toolFile + '\0')},
                          row2Text(toolFolder)}),
        LaunchCase{"Row2FolderWithoutTheTool",
                   {row2Text(toolFolder)},
                   {toolFolder + "\\msinfo.exe"},
                   Outcome::starts,
                   {row1, row2},
                   {toolInFolder},
                   {},
                   true},
        LaunchCase{"BothRowsMissing", {}, {}, Outcome::starts, {row1, row2}, {}, {}, true},
        LaunchCase{"Row1NamesAMissingFileAndRow2IsNotTried",
                   {row1Text(missingFile), row2Text(toolFolder)},
                   {toolInFolder},
                   Outcome::fails,
                   {row1},
                   {},
                   {missingFile},
                   true},
        LaunchCase{"LaunchRaisesAnError",
                   {row1Text(toolFile)},
                   {},
                   Outcome::throws,
                   {row1},
                   {},
                   {toolFile},
                   true},
        emptyRow1("Row1EmptyDataAndRow2IsNotTried", row1Value(registryText, "")),
        emptyRow1("Row1OfAnotherTypeLeavesThePathEmpty",
                  row1Value(registryExpandText, toolFile + '\0')),
        foundThroughRow2("Row1Of1025BytesIsUnreadable",
                         {row1Value(registryText, longPath + '\0'), row2Text(toolFolder)}),
        LaunchCase{"Row1Of1024BytesWithoutNulIsTakenWhole",
                   {row1Value(registryText, longPath)},
                   {},
                   Outcome::starts,
                   {row1},
                   {},
                   {longPath},
                   false},
        foundThroughRow2("Row2FolderStoredWithoutNul",
                         {Value{row2, toolFolderValue, registryText, bytes(toolFolder)}}),
        LaunchCase{"Row2FolderFoundButTheLaunchFails",
                   {row2Text(toolFolder)},
                   {toolInFolder},
                   Outcome::fails,
                   {row1, row2},
                   {toolInFolder},
                   {toolInFolder},
                   true}),
    RowName());

struct ReadCase {
    const char* name;
    std::uint32_t type;
    std::string data;
    std::string entry; // KeyVal on entry
    bool read;
    std::string expected;
};

class GetKeyValueCases : public testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueCases, ReadsTheValueAsText) {
    const ReadCase& row = GetParam();
    RecordingRegistry registry;
    registry.values.setValue(localMachineRoot, "SOFTWARE\\Test", "Value", row.type,
                             bytes(row.data));
    std::string text = row.entry;

    EXPECT_EQ(GetKeyValue(registry, localMachineRoot, "SOFTWARE\\Test", "Value", text), row.read);

    EXPECT_EQ(text, row.expected);
    EXPECT_EQ(registry.capacities, std::vector<std::uint32_t>{valueBufferSize});
    EXPECT_EQ(registry.closes, 1);
    EXPECT_EQ(registry.values.openKeyCount(), 0u);
}

std::string numberBytes(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GetKeyValueCases,
    testing::Values(
        ReadCase{"TextWithNulLosesIt", registryText, std::string("C:\\a.exe\0", 9), "old", true,
                 "C:\\a.exe"},
        ReadCase{"TextWithoutNulIsTakenWhole", registryText, "C:\\a.exe", "old", true, "C:\\a.exe"},
        ReadCase{"TextWithTwoNulsLosesOnlyOne", registryText, std::string("ab\0\0", 4), "", true,
                 std::string("ab\0", 3)},
        ReadCase{"TextOfOnlyANul", registryText, std::string(1, '\0'), "old", true, ""},
        ReadCase{"Text1024BytesWithoutNul", registryText, std::string(1024, 'x'), "", true,
                 std::string(1024, 'x')},
        ReadCase{"Text1023BytesAndNul", registryText, std::string(1023, 'x') + '\0', "", true,
                 std::string(1023, 'x')},
        ReadCase{"Text1025BytesIsUnreadable", registryText, std::string(1025, 'x'), "old", false,
                 ""},
        ReadCase{"NumberFive", registryNumber, numberBytes(5), "old", true, "5"},
        ReadCase{"NumberWithAllBytes", registryNumber, numberBytes(0x12345678), "", true,
                 "305419896"},
        ReadCase{"NumberZero", registryNumber, numberBytes(0), "old", true, "0"},
        ReadCase{"NumberLargest", registryNumber, numberBytes(0xFFFFFFFF), "", true, "4294967295"},
        ReadCase{"BinaryKeepsTheTextOnEntry", registryBinary, "xyz", "kept", true, "kept"},
        ReadCase{"ExpandableTextKeepsTheTextOnEntry", registryExpandText, std::string("C:\\x\0", 5),
                 "", true, ""}),
    RowName());

TEST(GetKeyValue, MissingKeyOrValueReadsNothingAndEmptiesTheText) {
    RecordingRegistry registry;
    registry.values.setText(localMachineRoot, "SOFTWARE\\Test", "Value", "x");
    std::string text = "old";
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, "SOFTWARE\\Gone", "Value", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(registry.closes, 0) << "a key never opened is not closed";

    text = "old";
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, "SOFTWARE\\Test", "Gone", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(registry.closes, 1);
    EXPECT_EQ(registry.values.openKeyCount(), 0u);
}

TEST(GetKeyValue, EmptyDataRaisesAnErrorAfterClosingTheKey) {
    RecordingRegistry registry;
    registry.values.setValue(localMachineRoot, "SOFTWARE\\Test", "Value", registryText, {});
    std::string text = "old";
    EXPECT_THROW(GetKeyValue(registry, localMachineRoot, "SOFTWARE\\Test", "Value", text),
                 EmptyRegistryValue);
    EXPECT_EQ(text, "old");
    EXPECT_EQ(registry.closes, 1);
    EXPECT_EQ(registry.values.openKeyCount(), 0u);
}

// A standard user may open the machine's keys for reading only; the in-memory registry
// refuses write rights the same way.
TEST(GetKeyValue, AsksForReadRightsOnly) {
    RecordingRegistry registry;
    registry.values.setText(localMachineRoot, toolPathKey, toolPathValue, toolFile);
    std::string text;
    ASSERT_TRUE(GetKeyValue(registry, localMachineRoot, toolPathKey, toolPathValue, text));
    EXPECT_EQ(text, toolFile);
    ASSERT_EQ(registry.openings.size(), 1u);
    EXPECT_EQ(registry.openings[0].access & ~readAccess, 0u);
    EXPECT_EQ(registry.openings[0].access, queryValueAccess);
}

} // namespace
} // namespace quentara
