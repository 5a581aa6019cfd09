// SPDX-License-Identifier: GPL-3.0-or-later
// Recording stand-ins for the batch file's services: the beep, the file dialog, the files.
#pragma once

#include "batch/file_layer.h"
#include "widgets/beep.h"
#include "widgets/file_chooser.h"

#include <optional>
#include <vector>

namespace quentara {

class RecordingBeep final : public Beep {
public:
    void beep() override { ++count; }
    int count = 0;
};

// Answers with a set path (or a cancel), or hands the request on to a real dialog.
class ScriptedFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseFile(QWidget* owner, const FileChoice& choice) override {
        owners.push_back(owner);
        requests.push_back(choice);
        if (passTo != nullptr)
            return passTo->chooseFile(owner, choice);
        return answer;
    }
    std::optional<QString> answer;
    FileChooser* passTo = nullptr;
    std::vector<QWidget*> owners;
    std::vector<FileChoice> requests;
};

// Hands every operation to a file layer that a test may swap after the window exists.
class ForwardingFileLayer final : public FileLayer {
public:
    std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) override {
        return to->inspect(path, info);
    }
    std::error_code createUnnamed(const std::filesystem::path& folder, Handle& handle) override {
        return to->createUnnamed(folder, handle);
    }
    std::error_code createNew(const std::filesystem::path& path, Handle& handle) override {
        return to->createNew(path, handle);
    }
    std::error_code setAccess(Handle handle, unsigned permissions,
                              const std::optional<FileOwner>& owner) override {
        return to->setAccess(handle, permissions, owner);
    }
    std::error_code openExisting(const std::filesystem::path& path, Handle& handle) override {
        return to->openExisting(path, handle);
    }
    std::error_code room(const std::filesystem::path& path, std::uintmax_t& bytes) override {
        return to->room(path, bytes);
    }
    std::error_code truncate(Handle handle) override { return to->truncate(handle); }
    std::error_code write(Handle handle, const char* data, std::size_t size) override {
        return to->write(handle, data, size);
    }
    std::error_code sync(Handle handle) override { return to->sync(handle); }
    std::error_code link(Handle handle, const std::filesystem::path& path) override {
        return to->link(handle, path);
    }
    std::error_code close(Handle handle) override { return to->close(handle); }
    void abandon(Handle handle) noexcept override { to->abandon(handle); }
    std::error_code replace(const std::filesystem::path& from,
                            const std::filesystem::path& to_) override {
        return to->replace(from, to_);
    }
    void remove(const std::filesystem::path& path) noexcept override { to->remove(path); }

    SystemFileLayer system;
    FileLayer* to = &system;
};

} // namespace quentara
