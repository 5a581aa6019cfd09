// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted stand-ins for the system-information services, recording what they were asked.
#pragma once

#include "about/sys_info.h"
#include "support/memory_registry.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quentara {

// An in-memory registry that records every key opened (path and access asked for), every
// value queried and every key closed.
class RecordingRegistry final : public Registry {
public:
    struct Opening {
        std::string path;
        std::uint32_t access;
        bool operator==(const Opening&) const = default;
    };

    std::int32_t openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                         RegistryKey& key) override {
        openings.push_back({path, access});
        return values.openKey(root, path, access, key);
    }
    std::int32_t queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override {
        queries.push_back(name);
        capacities.push_back(size);
        return values.queryValue(key, name, type, data, size);
    }
    std::int32_t closeKey(RegistryKey key) override {
        ++closes;
        return values.closeKey(key);
    }

    std::vector<std::string> openedPaths() const {
        std::vector<std::string> paths;
        for (const Opening& opening : openings)
            paths.push_back(opening.path);
        return paths;
    }

    MemoryRegistry values;
    std::vector<Opening> openings;
    std::vector<std::string> queries;
    std::vector<std::uint32_t> capacities;
    int closes = 0;
};

class ScriptedFileCheck final : public FileCheck {
public:
    bool isOrdinaryFile(const std::string& path) override {
        asked.push_back(path);
        return files.count(path) == 1;
    }
    std::set<std::string> files;
    std::vector<std::string> asked;
};

class RecordingLauncher final : public ProcessLauncher {
public:
    enum class Outcome { starts, fails, throws };
    bool launch(const std::string& program) override {
        launched.push_back(program);
        if (outcome == Outcome::throws)
            throw std::runtime_error("cannot start");
        return outcome == Outcome::starts;
    }
    Outcome outcome = Outcome::starts;
    std::vector<std::string> launched;
};

// The system-information tool as the About dialog sees it: it starts, or not, or throws.
class RecordingSysInfoTool final : public SysInfoTool {
public:
    bool start() override {
        ++starts;
        if (outcome == RecordingLauncher::Outcome::throws)
            throw std::runtime_error("broken registry value");
        return outcome == RecordingLauncher::Outcome::starts;
    }
    RecordingLauncher::Outcome outcome = RecordingLauncher::Outcome::starts;
    int starts = 0;
};

inline std::vector<unsigned char> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace quentara
