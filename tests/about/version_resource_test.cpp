// The Windows version resource is generated from the project version; its text is checked
// here on every platform.
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

std::string Resource() {
    std::ifstream file(VERSION_RESOURCE);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(VersionResource, CarriesVersion1_1_0_6WrittenAs1_01_0006) {
    const std::string rc = Resource();
    ASSERT_FALSE(rc.empty()) << VERSION_RESOURCE;
    for (const char* line :
         {"FILEVERSION 1,1,0,6\n", "PRODUCTVERSION 1,1,0,6\n",
          "VALUE \"FileVersion\", \"1.01.0006\"\n", "VALUE \"ProductVersion\", \"1.01.0006\"\n",
          "VALUE \"ProductName\", \"Quentara\"\n", "/app/icon/quentara.ico\"\n"})
        EXPECT_NE(rc.find(line), std::string::npos) << line;
    EXPECT_EQ(rc.find('@'), std::string::npos) << "every placeholder is filled";
}

} // namespace
