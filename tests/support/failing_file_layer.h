// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files with one chosen operation failing, for tests of every failure path.
#pragma once

#include "batch/file_layer.h"

#include <functional>
#include <optional>

namespace quentara {

// The chosen operation fails from its `onCall`-th call on; both ways of creating a file count
// as `create`. A failing write first writes half of its data, as a disk that fills up does.
class FailingFileLayer final : public FileLayer {
public:
    enum class Operation {
        none,
        inspect,
        create,
        owner,
        mode,
        attributes,
        open,
        lock,
        write,
        finish,
        link,
        replace
    };

    FailingFileLayer(Operation operation, std::errc error, int onCall = 1)
        : operation_(operation), error_(std::make_error_code(error)), onCall_(onCall) {}

    // As on a file system without unnamed files.
    bool unnamedFiles = true;
    // The free space the disk reports, in place of the real one.
    std::optional<std::uintmax_t> freeRoom;
    // What another process does between the first look at the target and the writing.
    std::function<void()> afterInspect;

    std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) override {
        if (fails(Operation::inspect))
            return error_;
        const std::error_code error = real_.inspect(path, info);
        if (afterInspect)
            afterInspect();
        return error;
    }
    void closeFolder(const Place& place) noexcept override { real_.closeFolder(place); }
    std::error_code createUnnamed(const Place& place, Handle& handle) override {
        if (!unnamedFiles)
            return std::make_error_code(std::errc::operation_not_supported);
        if (fails(Operation::create))
            return error_;
        return real_.createUnnamed(place, handle);
    }
    std::error_code createNew(const Place& place, const std::filesystem::path& name,
                              Handle& handle) override {
        if (fails(Operation::create))
            return error_;
        return real_.createNew(place, name, handle);
    }
    std::error_code setOwner(Handle handle, const FileOwner& owner) override {
        if (fails(Operation::owner))
            return error_;
        return real_.setOwner(handle, owner);
    }
    std::error_code setMode(Handle handle, unsigned permissions) override {
        if (fails(Operation::mode))
            return error_;
        return real_.setMode(handle, permissions);
    }
    std::error_code copyAttributes(Handle from, Handle to) override {
        if (fails(Operation::attributes))
            return error_;
        return real_.copyAttributes(from, to);
    }
    std::error_code openExisting(const TargetInfo& info, Handle& handle) override {
        if (fails(Operation::open))
            return error_;
        return real_.openExisting(info, handle);
    }
    std::error_code lock(Handle handle) override {
        if (fails(Operation::lock))
            return error_;
        return real_.lock(handle);
    }
    std::error_code room(const Place& place, Handle handle, std::uintmax_t& bytes) override {
        if (freeRoom) {
            bytes = *freeRoom;
            return {};
        }
        return real_.room(place, handle, bytes);
    }
    std::uintmax_t sizeLimit() override { return real_.sizeLimit(); }
    std::error_code truncate(Handle handle, bool& lost) override {
        return real_.truncate(handle, lost);
    }
    std::error_code write(Handle handle, const char* data, std::size_t size,
                          const KeepWaiting& keepWaiting, std::size_t& written) override {
        if (fails(Operation::write)) {
            (void)real_.write(handle, data, size / 2, keepWaiting, written);
            return error_;
        }
        return real_.write(handle, data, size, keepWaiting, written);
    }
    std::error_code sync(Handle handle) override {
        const std::error_code error = real_.sync(handle);
        return fails(Operation::finish) ? error_ : error;
    }
    std::error_code link(Handle handle, const Place& place,
                         const std::filesystem::path& name) override {
        if (fails(Operation::link))
            return error_;
        return real_.link(handle, place, name);
    }
    std::error_code close(Handle handle) override { return real_.close(handle); }
    void abandon(Handle handle) noexcept override { real_.abandon(handle); }
    std::error_code replace(const Place& place, const std::filesystem::path& from) override {
        if (fails(Operation::replace))
            return error_;
        return real_.replace(place, from);
    }
    void remove(const Place& place, const std::filesystem::path& name) noexcept override {
        real_.remove(place, name);
    }

private:
    bool fails(Operation operation) { return operation == operation_ && ++calls_ >= onCall_; }

    SystemFileLayer real_;
    Operation operation_;
    std::error_code error_;
    int onCall_;
    int calls_ = 0;
};

} // namespace quentara
