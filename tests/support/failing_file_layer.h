// The system's files with one chosen operation failing, for tests of every failure path.
#pragma once

#include "batch/file_layer.h"

namespace quentara {

// A failing write first writes half of its data, as a disk that fills up does.
class FailingFileLayer final : public FileLayer {
public:
    enum class Operation { none, inspect, create, write, finish, replace };

    FailingFileLayer(Operation operation, std::errc error, int onCall = 1)
        : operation_(operation), error_(std::make_error_code(error)), onCall_(onCall) {}

    std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) override {
        if (fails(Operation::inspect))
            return error_;
        return real_.inspect(path, info);
    }
    std::error_code createNew(const std::filesystem::path& path, unsigned permissions,
                              Handle& handle) override {
        if (fails(Operation::create))
            return error_;
        return real_.createNew(path, permissions, handle);
    }
    std::error_code write(Handle handle, const char* data, std::size_t size) override {
        if (fails(Operation::write)) {
            (void)real_.write(handle, data, size / 2);
            return error_;
        }
        return real_.write(handle, data, size);
    }
    std::error_code finish(Handle handle) override {
        const std::error_code error = real_.finish(handle);
        return fails(Operation::finish) ? error_ : error;
    }
    void abandon(Handle handle) noexcept override { real_.abandon(handle); }
    std::error_code replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override {
        if (fails(Operation::replace))
            return error_;
        return real_.replace(from, to);
    }
    void remove(const std::filesystem::path& path) noexcept override { real_.remove(path); }

private:
    bool fails(Operation operation) { return operation == operation_ && ++calls_ == onCall_; }

    SystemFileLayer real_;
    Operation operation_;
    std::error_code error_;
    int onCall_;
    int calls_ = 0;
};

} // namespace quentara
