// SPDX-License-Identifier: GPL-3.0-or-later
// A replaced file keeps its access list and extended attributes, so the new passwords are
// shut off from whoever the old file shut out; where they cannot be kept, the file is written
// in place.
#ifndef _WIN32
#include "support/abc_lines.h"
#include "support/child_process.h"
#include "support/failing_file_layer.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace quentara {
namespace {

namespace fs = std::filesystem;
using Operation = FailingFileLayer::Operation;

std::string attribute(const fs::path& file, const char* name) {
    char value[256];
    const ssize_t size = ::getxattr(file.c_str(), name, value, sizeof value);
    return size < 0 ? std::string("(none)") : std::string(value, static_cast<std::size_t>(size));
}

ino_t inodeOf(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
}

bool nobodyReads(const fs::path& file) {
    return inChild(nobody, [&] {
               const int fd = ::open(file.c_str(), O_RDONLY);
               return std::string(fd >= 0 ? "read" : "refused");
           }).said == "read";
}

struct Kept {
    const char* name;
    mode_t mode;
    const char* accessList; // for setfacl -m, or empty
    Operation failing;      // attributes that cannot be copied
    bool nobodyReads;
    bool inPlace;
};

class ReplacedFileKeeps : public testing::TestWithParam<Kept> {};

TEST_P(ReplacedFileKeeps, ItsAccessListAndAttributes) {
    const Kept& row = GetParam();
    TempFolder folder;
    const fs::path file = folder / "pw.txt";
    writeBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), row.mode), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    if (row.accessList[0] != '\0') {
        const std::string command =
            "setfacl -m '" + std::string(row.accessList) + "' " + file.string();
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    ASSERT_EQ(::setxattr(file.c_str(), "user.origin", "vault", 5, 0), 0);
    const std::string accessList = attribute(file, "system.posix_acl_access");
    const ino_t inode = inodeOf(file);
    const fs::perms mode = fs::status(file).permissions(); // the list's mask shows in it

    FailingFileLayer files(row.failing, std::errc::operation_not_permitted);
    EXPECT_EQ(writeAbcLines(files, file, 12).status, BatchOutcome::Status::written);
    EXPECT_EQ(readBytes(file), twelveLines);
    EXPECT_EQ(inodeOf(file) == inode, row.inPlace);
    EXPECT_EQ(attribute(file, "system.posix_acl_access"), accessList);
    EXPECT_EQ(attribute(file, "user.origin"), "vault");
    EXPECT_EQ(fs::status(file).permissions(), mode);
    if (::geteuid() == 0) { // the access list is what keeps nobody out, or lets them in
        EXPECT_EQ(nobodyReads(file), row.nobodyReads);
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{"pw.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReplacedFileKeeps,
    testing::Values(Kept{"shutsOneUserOut", 0644, "u:nobody:---", Operation::none, false, false},
                    Kept{"letsOneUserRead", 0600, "u:nobody:r", Operation::none, true, false},
                    Kept{"onlyUserAttributes", 0640, "", Operation::none, false, false},
                    Kept{"notCopiedSoWrittenInPlace", 0644, "u:nobody:---", Operation::attributes,
                         false, true}),
    RowName());

} // namespace
} // namespace quentara
#endif
