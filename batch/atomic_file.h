// A file whose new content replaces the old in one step, only once all of it is written:
// until then the old file stays as it was, and after any failure nothing is left beside it.
#pragma once

#include "batch/file_layer.h"

#include <filesystem>
#include <system_error>

namespace quentara {

struct FileFailure {
    enum class Step { none, target, create, write, finish, replace };
    Step step = Step::none;
    std::error_code error;
    TargetInfo::Kind kind = TargetInfo::Kind::missing; // what stood at the path

    explicit operator bool() const { return step != Step::none; }
};

class AtomicFile {
public:
    AtomicFile(FileLayer& files, std::filesystem::path target);
    ~AtomicFile(); // discards the new content unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and creates the temporary file beside it: readable and writable by
    // the owner only for a new file, with the permissions of the file it will replace otherwise.
    FileFailure open();
    FileFailure write(const char* data, std::size_t size);
    // Flushes the new content to the disk and puts it in the target's place.
    FileFailure commit();
    // Removes the temporary file; the target stays as it was.
    void discard() noexcept;

    const std::filesystem::path& temporaryPath() const { return temporary_; }

private:
    FileFailure fail(FileFailure::Step step, std::error_code error);

    FileLayer& files_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    FileLayer::Handle handle_ = -1;
    bool open_ = false;
    TargetInfo::Kind kind_ = TargetInfo::Kind::missing;
};

} // namespace quentara
