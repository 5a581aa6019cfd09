// SPDX-License-Identifier: GPL-3.0-or-later
// A registry key under HKEY_LOCAL_MACHINE for one test. A key that was not there is created and
// removed afterwards with everything below it; a key that was there (wine has the tool's key,
// empty) gets back the values and the access list it had.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>
// After <windows.h>, whose types it uses.
#include <sddl.h>

namespace quentara {

class ScratchKey {
public:
    explicit ScratchKey(std::string path) : path_(std::move(path)) {
        existed_ = exists(path_);
        if (!existed_) {
            // Remove from the first missing level on, so no empty parent is left behind.
            top_ = path_;
            for (std::size_t cut = path_.find('\\'); cut != std::string::npos;
                 cut = path_.find('\\', cut + 1))
                if (!exists(path_.substr(0, cut))) {
                    top_ = path_.substr(0, cut);
                    break;
                }
        }
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | WRITE_DAC | READ_CONTROL, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        key_ = key;
        if (existed_) {
            DWORD size = 0;
            RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
            accessList_.resize(size);
            if (RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, accessList_.data(), &size) !=
                ERROR_SUCCESS)
                accessList_.clear();
        }
    }
    ~ScratchKey() {
        if (key_ == nullptr)
            return;
        if (existed_) {
            if (!accessList_.empty())
                RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, accessList_.data());
            for (const auto& [name, value] : saved_)
                if (value)
                    RegSetValueExA(key_, name.c_str(), 0, value->type, value->data.data(),
                                   static_cast<DWORD>(value->data.size()));
                else
                    RegDeleteValueA(key_, name.c_str());
            RegCloseKey(key_);
            return;
        }
        RegCloseKey(key_);
        protect("D:(A;;KA;;;WD)"); // a refusal set by the test would stop the removal
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, top_.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, top_.c_str());
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // False when the key can be neither created nor written (no right to write there).
    bool ready() const { return key_ != nullptr; }
    const std::string& path() const { return path_; }

    bool set(const std::string& name, DWORD type, const std::string& data) {
        save(name);
        return RegSetValueExA(key_, name.c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }
    bool setNumber(const std::string& name, DWORD number) {
        return set(name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
    }
    void remove(const std::string& name) {
        save(name);
        RegDeleteValueA(key_, name.c_str());
    }
    // Sets the key's access list, written as a security descriptor string.
    bool protect(const char* accessList) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(accessList, SDDL_REVISION_1,
                                                                  &descriptor, nullptr))
            return false;
        HKEY key = nullptr;
        bool done =
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS;
        if (done) {
            done = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
        LocalFree(descriptor);
        return done;
    }

private:
    struct Value {
        DWORD type;
        std::vector<BYTE> data;
    };

    static bool exists(const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    // The value as it was before the test first changed it.
    void save(const std::string& name) {
        if (!existed_ || saved_.count(name))
            return;
        DWORD type = 0;
        DWORD size = 0;
        std::optional<Value> value;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            value = Value{type, std::vector<BYTE>(size)};
            RegQueryValueExA(key_, name.c_str(), nullptr, &type, value->data.data(), &size);
        }
        saved_[name] = value;
    }

    std::string path_;
    std::string top_;
    bool existed_ = false;
    HKEY key_ = nullptr;
    std::vector<BYTE> accessList_;
    std::map<std::string, std::optional<Value>> saved_;
};

} // namespace quentara
