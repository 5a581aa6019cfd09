// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sys_info.h"

#include <array>

namespace quentara {
namespace {

// Closes an opened key on every way out, a thrown error included.
class OpenedKey {
public:
    OpenedKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenedKey() { registry_.closeKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

private:
    Registry& registry_;
    RegistryKey key_;
};

// The value's 32-bit number, little-endian; the trimmed bytes may lack a high zero byte,
// which leaves the number unchanged.
std::string dwordText(const std::string& bytes) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return std::to_string(number);
}

} // namespace

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    // Query rights only: a standard user may not open the machine's keys for writing, and
    // nothing here writes.
    RegistryKey key = 0;
    if (registry.openKey(KeyRoot, KeyName, queryValueAccess, key) != registrySuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenedKey opened(registry, key);

    std::array<unsigned char, valueBufferSize> buffer{};
    std::uint32_t size = valueBufferSize;
    std::uint32_t type = 0;
    if (registry.queryValue(key, SubKeyRef, type, buffer.data(), size) != registrySuccess ||
        size > valueBufferSize) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw EmptyRegistryValue();

    // The whole buffer, cut to the bytes written; a last NUL is the text's terminator.
    std::string text(buffer.begin(), buffer.end());
    text.resize(buffer[size - 1] == 0 ? size - 1 : size);
    if (type == registryText)
        KeyVal = text;
    else if (type == registryNumber)
        KeyVal = dwordText(text);
    return true;
}

bool RegistrySysInfoTool::start() {
    std::string toolPath;
    if (!GetKeyValue(registry_, localMachineRoot, toolPathKey, toolPathValue, toolPath)) {
        if (!GetKeyValue(registry_, localMachineRoot, toolFolderKey, toolFolderValue, toolPath))
            return false;
        if (!files_.isOrdinaryFile(toolPath + toolFileName))
            return false;
        toolPath += toolFileName;
    }
    // A text-less value leaves the path empty: there is nothing to start.
    return !toolPath.empty() && launcher_.launch(toolPath);
}

} // namespace quentara
