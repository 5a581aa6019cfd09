// SPDX-License-Identifier: GPL-3.0-or-later
// The few file operations that writing a batch file needs, behind an interface so that
// tests can make any one of them fail (a full disk, a refused folder) on any machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

namespace quentara {

struct FileOwner {
    std::uint32_t user = 0;
    std::uint32_t group = 0;
};

struct TargetInfo {
    // device: a character device or a named pipe, written to as it is (/dev/null, a FIFO).
    enum class Kind { missing, file, folder, device, other };
    Kind kind = Kind::missing;
    // Where the path's links lead; for a link to nothing, the missing file it names.
    std::filesystem::path resolved;
    unsigned permissions = 0;   // permission bits of an existing file
    std::error_code writeError; // why this user may not write an existing file; empty if they may
    std::uintmax_t links = 1;   // hard links of an existing file
    std::optional<FileOwner> owner; // of an existing file, where the system has owners
};

class FileLayer {
public:
    using Handle = std::intptr_t;

    virtual ~FileLayer() = default;
    // What stands at `path` now.
    virtual std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) = 0;
    // Creates a file without a name in `folder`, readable and writable by the owner only:
    // it vanishes with the process unless `link` names it. Fails with
    // errc::operation_not_supported where the system or the file system has no such files.
    virtual std::error_code createUnnamed(const std::filesystem::path& folder, Handle& handle) = 0;
    // Creates a file that must not exist yet, readable and writable by the owner only. Until
    // `replace` or `remove` is done with it, it is removed if the process is ended by a signal
    // that can be caught or by exit(); on Windows also if it is killed before `close`.
    virtual std::error_code createNew(const std::filesystem::path& path, Handle& handle) = 0;
    // Gives a new file these permission bits and, when set, this owner and group.
    virtual std::error_code setAccess(Handle handle, unsigned permissions,
                                      const std::optional<FileOwner>& owner) = 0;
    // Opens an existing file, device or pipe for writing without changing it.
    virtual std::error_code openExisting(const std::filesystem::path& path, Handle& handle) = 0;
    // The bytes that the existing file at `path` could hold once emptied: the free space on
    // its disk and the space it takes now. The largest value when the disk does not say.
    virtual std::error_code room(const std::filesystem::path& path, std::uintmax_t& bytes) = 0;
    // Empties an open file.
    virtual std::error_code truncate(Handle handle) = 0;
    // Writes all of `data` or reports why not.
    virtual std::error_code write(Handle handle, const char* data, std::size_t size) = 0;
    // Flushes what was written to the disk.
    virtual std::error_code sync(Handle handle) = 0;
    // Gives the file made by `createUnnamed` the name `path`, which must not exist yet; it is
    // then guarded like one made by `createNew`.
    virtual std::error_code link(Handle handle, const std::filesystem::path& path) = 0;
    // Closes; the handle is gone afterwards, also on failure.
    virtual std::error_code close(Handle handle) = 0;
    // Closes without caring for the content; for a file about to be removed.
    virtual void abandon(Handle handle) noexcept = 0;
    // Puts `from` in the place of `to` in one step, replacing what was there.
    virtual std::error_code replace(const std::filesystem::path& from,
                                    const std::filesystem::path& to) = 0;
    virtual void remove(const std::filesystem::path& path) noexcept = 0;
};

// The operating system's files.
class SystemFileLayer final : public FileLayer {
public:
    std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) override;
    std::error_code createUnnamed(const std::filesystem::path& folder, Handle& handle) override;
    std::error_code createNew(const std::filesystem::path& path, Handle& handle) override;
    std::error_code setAccess(Handle handle, unsigned permissions,
                              const std::optional<FileOwner>& owner) override;
    std::error_code openExisting(const std::filesystem::path& path, Handle& handle) override;
    std::error_code room(const std::filesystem::path& path, std::uintmax_t& bytes) override;
    std::error_code truncate(Handle handle) override;
    std::error_code write(Handle handle, const char* data, std::size_t size) override;
    std::error_code sync(Handle handle) override;
    std::error_code link(Handle handle, const std::filesystem::path& path) override;
    std::error_code close(Handle handle) override;
    void abandon(Handle handle) noexcept override;
    std::error_code replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    void remove(const std::filesystem::path& path) noexcept override;
};

} // namespace quentara
