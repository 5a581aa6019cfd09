#include "about/sys_info_memory_registry.h"

#include <algorithm>
#include <cstring>

namespace quentara {
namespace {

std::string Folded(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return name;
}

} // namespace

void MemoryRegistry::SetValue(std::uint32_t root, const std::string& path, const std::string& name,
                              std::uint32_t type, std::vector<unsigned char> data) {
    keys_[KeyId{root, Folded(path)}][Folded(name)] = Value{type, std::move(data)};
}

void MemoryRegistry::SetText(std::uint32_t root, const std::string& path, const std::string& name,
                             const std::string& text) {
    std::vector<unsigned char> data(text.begin(), text.end());
    data.push_back(0);
    SetValue(root, path, name, registryText, std::move(data));
}

std::int32_t MemoryRegistry::OpenKey(std::uint32_t root, const std::string& path,
                                     std::uint32_t access, RegistryKey& key) {
    key = 0;
    if ((access & ~readAccess) != 0)
        return registryAccessDenied;
    const KeyId id{root, Folded(path)};
    if (keys_.find(id) == keys_.end())
        return registryNotFound;
    key = nextHandle_++;
    open_.emplace(key, id);
    return registrySuccess;
}

std::int32_t MemoryRegistry::QueryValue(RegistryKey key, const std::string& name,
                                        std::uint32_t& type, unsigned char* data,
                                        std::uint32_t& size) {
    const auto opened = open_.find(key);
    if (opened == open_.end())
        return registryInvalidHandle;
    const Key& values = keys_.at(opened->second);
    const auto found = values.find(Folded(name));
    if (found == values.end())
        return registryNotFound;
    const Value& value = found->second;
    type = value.type;
    const std::uint32_t capacity = size;
    size = static_cast<std::uint32_t>(value.data.size());
    if (data == nullptr) // a query for the size alone
        return registrySuccess;
    if (value.data.size() > capacity)
        return registryMoreData;
    if (!value.data.empty())
        std::memcpy(data, value.data.data(), value.data.size());
    return registrySuccess;
}

std::int32_t MemoryRegistry::CloseKey(RegistryKey key) {
    return open_.erase(key) == 1 ? registrySuccess : registryInvalidHandle;
}

} // namespace quentara
