// SPDX-License-Identifier: GPL-3.0-or-later
// The few file operations that writing a batch file needs, behind an interface so that
// tests can make any one of them fail (a full disk, a refused folder) on any machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

namespace quentara {

using FileHandle = std::intptr_t;

struct FileOwner {
    std::uint32_t user = 0;
    std::uint32_t group = 0;
};

// Where a target's name lives: its folder, held open from the first look on so that a folder
// or link swapped during the run cannot redirect the writing, and the name in that folder.
struct Place {
    FileHandle folder = -1;           // where the system has open folders; else -1
    std::filesystem::path folderPath; // the folder as a path, where the system needs one
    std::filesystem::path name;       // the target's name in the folder
    bool systemLink = false; // the name is a link only the system can follow (/proc/self/fd/1)
};

struct TargetInfo {
    // device: a character device or a named pipe, written to as it is (/dev/null, a FIFO).
    enum class Kind { missing, file, folder, device, other };
    Kind kind = Kind::missing;
    Place place;
    unsigned permissions = 0;   // permission bits of an existing file
    std::error_code writeError; // why this user may not write an existing file; empty if they may
    std::uintmax_t links = 1;   // hard links of an existing file
    std::optional<FileOwner> owner; // of an existing file, where the system has owners
    std::uint64_t device = 0;       // with `inode`, which file was inspected, where the system
    std::uint64_t inode = 0;        // tells
};

// Asked while a write waits for a slow reader; false ends the wait and the write.
using KeepWaiting = std::function<bool()>;

// One call of the system's write: sets `done` to the bytes it took, or gives the error.
using WritePiece =
    std::function<std::error_code(const char* data, std::size_t size, std::size_t& done)>;
// Writes all `size` bytes through `writePiece`, at most a gigabyte a call (more than some
// systems take at once); `written` counts what went in. A call that takes nothing means the
// disk is full.
std::error_code writeAll(const char* data, std::size_t size, std::size_t& written,
                         const WritePiece& writePiece);

class FileLayer {
public:
    using Handle = FileHandle;

    virtual ~FileLayer() = default;
    // Follows `path` to the name it ends in and says what stands there. The links in a folder
    // that everyone may write to and that keeps others from removing what is not theirs (such
    // as /tmp) are followed only when they are the user's own or the folder owner's, and a
    // file there is written only when it is; otherwise a TargetRefusal.
    // On success the place's folder is open until closeFolder.
    virtual std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) = 0;
    virtual void closeFolder(const Place& place) noexcept = 0;
    // Creates a file without a name in the place's folder, readable and writable by the owner
    // only: it vanishes with the process unless `link` names it. Fails with
    // errc::operation_not_supported where the system or the file system has no such files.
    virtual std::error_code createUnnamed(const Place& place, Handle& handle) = 0;
    // Creates `name` in the place's folder, which must not exist yet, readable and writable by
    // the owner only. Until `replace` or `remove` is done with it, it is removed if the process
    // is ended by a signal that can be caught or by exit(); on Windows also if it is killed
    // before `close`.
    virtual std::error_code createNew(const Place& place, const std::filesystem::path& name,
                                      Handle& handle) = 0;
    virtual std::error_code setOwner(Handle handle, const FileOwner& owner) = 0;
    // Exactly these permission bits, not through the umask.
    virtual std::error_code setMode(Handle handle, unsigned permissions) = 0;
    // Gives `to` the extended attributes of `from`, access lists and security labels among
    // them, and takes away those `from` lacks.
    virtual std::error_code copyAttributes(Handle from, Handle to) = 0;
    // Opens the inspected file, device or pipe for writing without changing it; fails with
    // TargetRefusal::swapped when something else stands there now.
    virtual std::error_code openExisting(const TargetInfo& info, Handle& handle) = 0;
    // Keeps other runs from writing the open file at the same time; fails at once with
    // errc::resource_unavailable_try_again when another holds it.
    virtual std::error_code lock(Handle handle) = 0;
    // The bytes that the file open at `handle`, the one at `place`, could hold once emptied:
    // the free space on its disk and the space it takes now. The largest value when the disk
    // does not say.
    virtual std::error_code room(const Place& place, Handle handle, std::uintmax_t& bytes) = 0;
    // The largest file this process may write; the largest value when there is no limit.
    virtual std::uintmax_t sizeLimit() = 0;
    // Empties an open file; `lost` tells whether it held anything that is gone now.
    virtual std::error_code truncate(Handle handle, bool& lost) = 0;
    // Writes all of `data` or reports why not; `written` counts the bytes that went out. A
    // write to a pipe whose reader is slow asks `keepWaiting` at least every second.
    virtual std::error_code write(Handle handle, const char* data, std::size_t size,
                                  const KeepWaiting& keepWaiting, std::size_t& written) = 0;
    // Flushes what was written to the disk.
    virtual std::error_code sync(Handle handle) = 0;
    // Gives the file made by `createUnnamed` the name `name` in the place's folder, which must
    // not exist yet; it is then guarded like one made by `createNew`.
    virtual std::error_code link(Handle handle, const Place& place,
                                 const std::filesystem::path& name) = 0;
    // Closes; the handle is gone afterwards, also on failure.
    virtual std::error_code close(Handle handle) = 0;
    // Closes without caring for the content; for a file about to be removed.
    virtual void abandon(Handle handle) noexcept = 0;
    // Puts `from` in the place of the place's name in one step, replacing what was there.
    virtual std::error_code replace(const Place& place, const std::filesystem::path& from) = 0;
    virtual void remove(const Place& place, const std::filesystem::path& name) noexcept = 0;
};

// The operating system's files.
class SystemFileLayer final : public FileLayer {
public:
    std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) override;
    void closeFolder(const Place& place) noexcept override;
    std::error_code createUnnamed(const Place& place, Handle& handle) override;
    std::error_code createNew(const Place& place, const std::filesystem::path& name,
                              Handle& handle) override;
    std::error_code setOwner(Handle handle, const FileOwner& owner) override;
    std::error_code setMode(Handle handle, unsigned permissions) override;
    std::error_code copyAttributes(Handle from, Handle to) override;
    std::error_code openExisting(const TargetInfo& info, Handle& handle) override;
    std::error_code lock(Handle handle) override;
    std::error_code room(const Place& place, Handle handle, std::uintmax_t& bytes) override;
    std::uintmax_t sizeLimit() override;
    std::error_code truncate(Handle handle, bool& lost) override;
    std::error_code write(Handle handle, const char* data, std::size_t size,
                          const KeepWaiting& keepWaiting, std::size_t& written) override;
    std::error_code sync(Handle handle) override;
    std::error_code link(Handle handle, const Place& place,
                         const std::filesystem::path& name) override;
    std::error_code close(Handle handle) override;
    void abandon(Handle handle) noexcept override;
    std::error_code replace(const Place& place, const std::filesystem::path& from) override;
    void remove(const Place& place, const std::filesystem::path& name) noexcept override;
};

// Why a target is refused although the system would let this user write it.
enum class TargetRefusal {
    othersLink = 1, // a link that another user made in a folder shared by everyone
    othersFile,     // a file of another user in a folder shared by everyone
    swapped,        // something else stood at the name when it was opened
};
const std::error_category& targetRefusalCategory();
std::error_code make_error_code(TargetRefusal refusal);

} // namespace quentara

template <> struct std::is_error_code_enum<quentara::TargetRefusal> : std::true_type {};
