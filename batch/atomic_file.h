// SPDX-License-Identifier: GPL-3.0-or-later
// A file whose new content replaces the old in one step, only once all of it is written:
// until then the old file stays as it was, and after any failure or interruption nothing is
// left beside it. Where a replacement cannot keep what the old file was, the file is written
// in place instead, as a shell's ">" would: a file in a folder this user may not write to, a
// file with further hard links, a file whose owner the new one could not keep, a device or a
// named pipe.
#pragma once

#include "batch/file_layer.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace quentara {

struct FileFailure {
    enum class Step { none, target, create, open, lock, space, write, finish, replace };
    Step step = Step::none;
    std::error_code error;
    TargetInfo::Kind kind = TargetInfo::Kind::missing; // what stood at the path
    bool folderMissing = false;  // creation failed because the folder is not there
    bool oldContentGone = false; // written in place: the file no longer holds its old content

    explicit operator bool() const { return step != Step::none; }
};

class AtomicFile {
public:
    enum class Way {
        replace, // a new file put in the target's place at the end
        inPlace, // the file itself emptied and written
        stream,  // a device or pipe, written to as it is
    };

    AtomicFile(FileLayer& files, std::filesystem::path target);
    ~AtomicFile(); // discards the new content unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and chooses the way to write it. A replacement is made beside the
    // target without a name where the system allows (so that nothing is left even if the
    // process is killed), with a guarded temporary name otherwise; it gets the owner and
    // permissions of the file it will replace, or is for its owner only when new.
    FileFailure open();
    // Announces the exact size of the new content, before the first write. Writing in place
    // checks that the disk holds it, and only then empties the file.
    FileFailure reserve(std::uintmax_t size);
    // A write to a slow reader asks `keepWaiting` while it waits; when that says no, the write
    // fails with errc::operation_canceled.
    FileFailure write(const char* data, std::size_t size, const KeepWaiting& keepWaiting = {});
    // Flushes the new content to the disk and, for a replacement, puts it in the target's place.
    FileFailure commit();
    // Drops a replacement; the target stays as it was. A file written in place keeps what it
    // has been given so far.
    void discard() noexcept;
    // Ends the writing before the end, as discard() does. Nothing to report while the target
    // keeps its old content; otherwise the failure that says it is gone.
    FileFailure stop();

    Way way() const { return way_; }
    // The file system could not make the new file readable by its owner only (FAT through
    // FUSE, say): it was written all the same, as a shell's ">" would.
    bool ownerOnlyRefused() const { return modeRefused_ && !existing_; }

private:
    FileFailure fail(FileFailure::Step step, std::error_code error);
    FileFailure openReplacement();
    FileFailure useExisting(Way way);
    void dropNew() noexcept;
    std::error_code
    nameTemporary(const std::function<std::error_code(const std::filesystem::path&)>& takeName);

    FileLayer& files_;
    std::filesystem::path target_;
    TargetInfo info_;            // what stood at the target
    bool folderOpen_ = false;    // the target's folder, held while the file is written
    bool existing_ = false;      // a file stood there and is replaced or written
    FileLayer::Handle old_ = -1; // that file, open for its attributes and to write in place
    bool oldOpen_ = false;
    std::filesystem::path temporary_; // the replacement's name while it has one
    FileLayer::Handle handle_ = -1;   // what the new content goes to
    bool open_ = false;
    bool reserved_ = false;
    bool changed_ = false; // written in place: the old content is no longer whole
    bool modeRefused_ = false;
    Way way_ = Way::replace;
};

} // namespace quentara
