// A registry held in memory, for systems without the Windows registry. It answers with the
// same result codes, and like the machine's keys for a standard user it opens keys for
// reading only.
#pragma once

#include "about/sys_info.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace quentara {

class MemoryRegistry final : public Registry {
public:
    // Creates the key if needed; names compare without regard to ASCII case, as in the
    // Windows registry.
    void SetValue(std::uint32_t root, const std::string& path, const std::string& name,
                  std::uint32_t type, std::vector<unsigned char> data);
    // A text value stored with its terminating NUL, as the registry stores text.
    void SetText(std::uint32_t root, const std::string& path, const std::string& name,
                 const std::string& text);

    std::int32_t OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                         RegistryKey& key) override;
    std::int32_t QueryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override;
    std::int32_t CloseKey(RegistryKey key) override;

    std::size_t OpenKeyCount() const { return open_.size(); }

private:
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
