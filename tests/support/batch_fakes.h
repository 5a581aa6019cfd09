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
    using Path = std::filesystem::path;

    std::error_code inspect(const Path& path, TargetInfo& info) override {
        return to->inspect(path, info);
    }
    void closeFolder(const Place& place) noexcept override { to->closeFolder(place); }
    std::error_code createUnnamed(const Place& place, Handle& handle) override {
        return to->createUnnamed(place, handle);
    }
    std::error_code createNew(const Place& place, const Path& name, Handle& handle) override {
        return to->createNew(place, name, handle);
    }
    std::error_code setOwner(Handle handle, const FileOwner& owner) override {
        return to->setOwner(handle, owner);
    }
    std::error_code setMode(Handle handle, unsigned permissions) override {
        return to->setMode(handle, permissions);
    }
    std::error_code copyAttributes(Handle from, Handle to_) override {
        return to->copyAttributes(from, to_);
    }
    std::error_code openExisting(const TargetInfo& info, Handle& handle) override {
        return to->openExisting(info, handle);
    }
    std::error_code lock(Handle handle) override { return to->lock(handle); }
    std::error_code room(const Place& place, Handle handle, std::uintmax_t& bytes) override {
        return to->room(place, handle, bytes);
    }
    std::uintmax_t sizeLimit() override { return to->sizeLimit(); }
    std::error_code truncate(Handle handle, bool& lost) override {
        return to->truncate(handle, lost);
    }
    std::error_code write(Handle handle, const char* data, std::size_t size,
                          const KeepWaiting& keepWaiting, std::size_t& written) override {
        return to->write(handle, data, size, keepWaiting, written);
    }
    std::error_code sync(Handle handle) override { return to->sync(handle); }
    std::error_code link(Handle handle, const Place& place, const Path& name) override {
        return to->link(handle, place, name);
    }
    std::error_code close(Handle handle) override { return to->close(handle); }
    void abandon(Handle handle) noexcept override { to->abandon(handle); }
    std::error_code replace(const Place& place, const Path& from) override {
        return to->replace(place, from);
    }
    void remove(const Place& place, const Path& name) noexcept override { to->remove(place, name); }

    SystemFileLayer system;
    FileLayer* to = &system;
};

} // namespace quentara
