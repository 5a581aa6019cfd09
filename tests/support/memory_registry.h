// SPDX-License-Identifier: GPL-3.0-or-later
// A registry held in memory for tests. It answers with the Windows registry's result codes,
// and like the machine's keys for a standard user it opens keys for reading only.
#pragma once

#include "about/sys_info.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace quentara {

class MemoryRegistry final : public Registry {
public:
    // Creates the key if needed; names compare without regard to ASCII case, as in the
    // Windows registry.
    void setValue(std::uint32_t root, const std::string& path, const std::string& name,
                  std::uint32_t type, std::vector<unsigned char> data) {
        keys_[KeyId{root, folded(path)}][folded(name)] = Value{type, std::move(data)};
    }
    // A text value stored with its terminating NUL, as the registry stores text.
    void setText(std::uint32_t root, const std::string& path, const std::string& name,
                 const std::string& text) {
        std::vector<unsigned char> data(text.begin(), text.end());
        data.push_back(0);
        setValue(root, path, name, registryText, std::move(data));
    }

    std::int32_t openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                         RegistryKey& key) override {
        key = 0;
        if ((access & ~readAccess) != 0)
            return registryAccessDenied;
        const KeyId id{root, folded(path)};
        if (keys_.find(id) == keys_.end())
            return registryNotFound;
        key = nextHandle_++;
        open_.emplace(key, id);
        return registrySuccess;
    }

    std::int32_t queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override {
        const auto opened = open_.find(key);
        if (opened == open_.end())
            return registryInvalidHandle;
        const Key& values = keys_.at(opened->second);
        const auto found = values.find(folded(name));
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

    std::int32_t closeKey(RegistryKey key) override {
        return open_.erase(key) == 1 ? registrySuccess : registryInvalidHandle;
    }

    std::size_t openKeyCount() const { return open_.size(); }

private:
    static std::string folded(std::string name) {
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
            return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        });
        return name;
    }

    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> data;
    };
    using KeyId = std::tuple<std::uint32_t, std::string>;
    using Key = std::map<std::string, Value>;

    std::map<KeyId, Key> keys_;
    std::map<RegistryKey, KeyId> open_;
    RegistryKey nextHandle_ = 1;
};

} // namespace quentara
