// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/memory_registry.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <vector>

namespace quentara {
namespace {

constexpr const char* key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::uint32_t writeRights = 0x2003F; // query, set, create, enumerate, notify, link

MemoryRegistry WithToolPath() {
    MemoryRegistry registry;
    registry.setText(localMachineRoot, key, "PATH", "C:\\msinfo32.exe"); // 15 bytes + NUL
    return registry;
}

struct OpenCase {
    const char* name;
    std::uint32_t root;
    const char* path;
    std::uint32_t access;
    std::int32_t result;
};

class OpeningKeys : public testing::TestWithParam<OpenCase> {};

TEST_P(OpeningKeys, AnswersWithTheRegistrysResultCodes) {
    const OpenCase& row = GetParam();
    MemoryRegistry registry = WithToolPath();
    RegistryKey opened = 99;
    EXPECT_EQ(registry.openKey(row.root, row.path, row.access, opened), row.result);
    EXPECT_EQ(opened != 0, row.result == registrySuccess);
    EXPECT_EQ(registry.openKeyCount(), row.result == registrySuccess ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCase, OpeningKeys,
    testing::Values(OpenCase{"QueryRights", localMachineRoot, key, queryValueAccess, 0},
                    OpenCase{"ReadRights", localMachineRoot, key, readAccess, 0},
                    OpenCase{"WriteRightsAreRefused", localMachineRoot, key, writeRights, 5},
                    OpenCase{"NamesIgnoreCase", localMachineRoot,
                             "software\\MICROSOFT\\shared tools\\msinfo", readAccess, 0},
                    OpenCase{"MissingKey", localMachineRoot, "SOFTWARE\\Gone", readAccess, 2},
                    OpenCase{"OtherRoot", 0x80000001, key, readAccess, 2}),
    RowName());

struct QueryCase {
    const char* name;
    const char* value;
    std::uint32_t capacity;
    bool withBuffer;
    std::int32_t result;
    std::uint32_t size; // reported size
    std::string data;   // bytes written
};

class QueryingValues : public testing::TestWithParam<QueryCase> {};

TEST_P(QueryingValues, AnswersWithTheRegistrysResultCodes) {
    const QueryCase& row = GetParam();
    MemoryRegistry registry = WithToolPath();
    RegistryKey opened = 0;
    ASSERT_EQ(registry.openKey(localMachineRoot, key, queryValueAccess, opened), 0);
    std::vector<unsigned char> buffer(64, '#');
    std::uint32_t type = 0;
    std::uint32_t size = row.capacity;
    EXPECT_EQ(registry.queryValue(opened, row.value, type, row.withBuffer ? buffer.data() : nullptr,
                                  size),
              row.result);
    EXPECT_EQ(size, row.size);
    const std::string written(buffer.begin(),
                              buffer.begin() + static_cast<std::ptrdiff_t>(row.data.size()));
    EXPECT_EQ(written, row.data);
    EXPECT_EQ(buffer[row.data.size()], '#') << "nothing written beyond the value";
    if (row.result != registryNotFound) {
        EXPECT_EQ(type, registryText);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCase, QueryingValues,
                         testing::Values(QueryCase{"FitsTheBuffer", "PATH", 64, true, 0, 16,
                                                   std::string("C:\\msinfo32.exe\0", 16)},
                                         QueryCase{"FitsExactly", "path", 16, true, 0, 16,
                                                   std::string("C:\\msinfo32.exe\0", 16)},
                                         QueryCase{"OneByteTooLarge", "PATH", 15, true, 234, 16,
                                                   ""},
                                         QueryCase{"SizeOnly", "PATH", 0, false, 0, 16, ""},
                                         QueryCase{"MissingValue", "MSINFO", 64, true, 2, 64, ""}),
                         RowName());

TEST(MemoryRegistry, ClosedOrUnknownKeysAreInvalid) {
    MemoryRegistry registry = WithToolPath();
    RegistryKey opened = 0;
    ASSERT_EQ(registry.openKey(localMachineRoot, key, queryValueAccess, opened), 0);
    EXPECT_EQ(registry.closeKey(opened), registrySuccess);
    EXPECT_EQ(registry.closeKey(opened), registryInvalidHandle);
    std::uint32_t type = 0;
    std::uint32_t size = 64;
    unsigned char buffer[64] = {};
    EXPECT_EQ(registry.queryValue(opened, "PATH", type, buffer, size), registryInvalidHandle);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

} // namespace
} // namespace quentara
