// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows version resource and the program's name and version come from one generated
// header; their text is checked here on every platform.
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

std::string fileText(const char* path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(VersionResource, CarriesVersion1_1_0_6WrittenAs1_01_0006) {
    const std::string info = fileText(PROGRAM_INFO);
    ASSERT_FALSE(info.empty()) << PROGRAM_INFO;
    for (const char* line :
         {"#define QUENTARA_NAME \"Quentara\"\n", "#define QUENTARA_VERSION \"1.1.6\"\n",
          "#define QUENTARA_RESOURCE_VERSION 1,1,0,6\n",
          "#define QUENTARA_RESOURCE_VERSION_TEXT \"1.01.0006\"\n"})
        EXPECT_NE(info.find(line), std::string::npos) << line;

    const std::string rc = fileText(VERSION_RESOURCE);
    ASSERT_FALSE(rc.empty()) << VERSION_RESOURCE;
    for (const char* line :
         {"#include \"program_info.h\"\n", "FILEVERSION QUENTARA_RESOURCE_VERSION\n",
          "PRODUCTVERSION QUENTARA_RESOURCE_VERSION\n",
          "VALUE \"FileVersion\", QUENTARA_RESOURCE_VERSION_TEXT\n",
          "VALUE \"ProductVersion\", QUENTARA_RESOURCE_VERSION_TEXT\n",
          "VALUE \"ProductName\", QUENTARA_NAME\n", "/widgets/icon/quentara.ico\"\n"})
        EXPECT_NE(rc.find(line), std::string::npos) << line;
    EXPECT_EQ((info + rc).find('@'), std::string::npos) << "every placeholder is filled";
}

} // namespace
