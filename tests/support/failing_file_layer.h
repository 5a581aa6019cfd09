// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files with one chosen operation failing, for tests of every failure path.
#pragma once

#include "batch/file_layer.h"

#include <optional>

namespace quentara {

// The chosen operation fails from its `onCall`-th call on; both ways of creating a file count
// as `create`. A failing write first writes half of its data, as a disk that fills up does.
class FailingFileLayer final : public FileLayer {
public:
    enum class Operation { none, inspect, create, access, open, write, finish, link, replace };

    FailingFileLayer(Operation operation, std::errc error, int onCall = 1)
        : operation_(operation), error_(std::make_error_code(error)), onCall_(onCall) {}

    // As on a file system without unnamed files.
    bool unnamedFiles = true;
    // The free space the disk reports, in place of the real one.
    std::optional<std::uintmax_t> freeRoom;

    std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) override {
        if (fails(Operation::inspect))
            return error_;
        return real_.inspect(path, info);
    }
    std::error_code createUnnamed(const std::filesystem::path& folder, Handle& handle) override {
        if (!unnamedFiles)
            return std::make_error_code(std::errc::operation_not_supported);
        if (fails(Operation::create))
            return error_;
        return real_.createUnnamed(folder, handle);
    }
    std::error_code createNew(const std::filesystem::path& path, Handle& handle) override {
        if (fails(Operation::create))
            return error_;
        return real_.createNew(path, handle);
    }
    std::error_code setAccess(Handle handle, unsigned permissions,
                              const std::optional<FileOwner>& owner) override {
        if (fails(Operation::access))
            return error_;
        return real_.setAccess(handle, permissions, owner);
    }
    std::error_code openExisting(const std::filesystem::path& path, Handle& handle) override {
        if (fails(Operation::open))
            return error_;
        return real_.openExisting(path, handle);
    }
    std::error_code room(const std::filesystem::path& path, std::uintmax_t& bytes) override {
        if (freeRoom) {
            bytes = *freeRoom;
            return {};
        }
        return real_.room(path, bytes);
    }
    std::error_code truncate(Handle handle) override { return real_.truncate(handle); }
    std::error_code write(Handle handle, const char* data, std::size_t size) override {
        if (fails(Operation::write)) {
            (void)real_.write(handle, data, size / 2);
            return error_;
        }
        return real_.write(handle, data, size);
    }
    std::error_code sync(Handle handle) override {
        const std::error_code error = real_.sync(handle);
        return fails(Operation::finish) ? error_ : error;
    }
    std::error_code link(Handle handle, const std::filesystem::path& path) override {
        if (fails(Operation::link))
            return error_;
        return real_.link(handle, path);
    }
    std::error_code close(Handle handle) override { return real_.close(handle); }
    void abandon(Handle handle) noexcept override { real_.abandon(handle); }
    std::error_code replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override {
        if (fails(Operation::replace))
            return error_;
        return real_.replace(from, to);
    }
    void remove(const std::filesystem::path& path) noexcept override { real_.remove(path); }

private:
    bool fails(Operation operation) { return operation == operation_ && ++calls_ >= onCall_; }

    SystemFileLayer real_;
    Operation operation_;
    std::error_code error_;
    int onCall_;
    int calls_ = 0;
};

} // namespace quentara
