#include "about/sys_info_desktop.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace quentara {
namespace {

namespace fs = std::filesystem;

// Two empty folders that stand for PATH entries, removed afterwards.
class SearchFolders : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("quentara-sysinfo-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "first");
        fs::create_directories(root / "second");
    }
    void TearDown() override { fs::remove_all(root); }

    std::string folder(const char* name) const { return (root / name).string(); }

    std::string program(const char* folderName, const char* name, bool executable = true) {
        const fs::path path = root / folderName / name;
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, executable ? fs::perms::owner_all
                                         : fs::perms::owner_read | fs::perms::owner_write);
        return path.string();
    }

    std::string searchPath() const { return folder("first") + ":" + folder("second"); }

    fs::path root;
};

TEST_F(SearchFolders, NoProgramFound) {
    program("first", "top"); // an executable that is not on the list
    EXPECT_EQ(FindSystemInfoProgram(searchPath()), std::nullopt);
    EXPECT_EQ(FindSystemInfoProgram(""), std::nullopt);
}

TEST_F(SearchFolders, TheListsOrderDecidesThenTheFolders) {
    program("first", "xfce4-taskmanager");
    const std::string hardinfo = program("second", "hardinfo");
    EXPECT_EQ(FindSystemInfoProgram(searchPath()), hardinfo);

    const std::string first = program("first", "hardinfo");
    EXPECT_EQ(FindSystemInfoProgram(searchPath()), first);
    EXPECT_EQ(FindSystemInfoProgram(folder("second") + ":" + folder("first")), hardinfo);
}

TEST_F(SearchFolders, SkipsFilesThatCannotRunAndFolders) {
    program("first", "kinfocenter", false);
    fs::create_directories(root / "first" / "hardinfo2");
    const std::string monitor = program("second", "gnome-system-monitor");
    const std::string withEmptyEntries = std::string(1, ':').append(searchPath()).append(":");
    EXPECT_EQ(FindSystemInfoProgram(withEmptyEntries), monitor);
}

TEST_F(SearchFolders, RegistryNamesTheFoundProgramAsTheToolPath) {
    const std::string monitor = program("second", "gnome-system-monitor");
    MemoryRegistry registry = DesktopRegistry(searchPath());
    std::string text;
    EXPECT_TRUE(GetKeyValue(registry, localMachineRoot, toolPathKey, toolPathValue, text));
    EXPECT_EQ(text, monitor);
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, toolFolderKey, toolFolderValue, text));
}

TEST_F(SearchFolders, RegistryIsEmptyWithoutAProgram) {
    MemoryRegistry registry = DesktopRegistry(searchPath());
    std::string text = "old";
    EXPECT_FALSE(GetKeyValue(registry, localMachineRoot, toolPathKey, toolPathValue, text));
    EXPECT_EQ(text, "");
}

TEST_F(SearchFolders, FileCheckReportsRegularFilesOnly) {
    DesktopFileCheck files;
    EXPECT_TRUE(files.IsOrdinaryFile(program("first", "tool")));
    EXPECT_TRUE(files.IsOrdinaryFile(program("first", "notes", false)));
    EXPECT_FALSE(files.IsOrdinaryFile(folder("second")));
    EXPECT_FALSE(files.IsOrdinaryFile(folder("second") + "/missing"));
    EXPECT_FALSE(files.IsOrdinaryFile(""));
}

} // namespace
} // namespace quentara
