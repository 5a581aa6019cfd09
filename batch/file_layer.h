// The few file operations that writing a batch file needs, behind an interface so that
// tests can make any one of them fail (a full disk, a refused folder) on any machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace quentara {

struct TargetInfo {
    enum class Kind { missing, file, folder, other };
    Kind kind = Kind::missing;
    std::filesystem::path resolved; // where a link leads; the path itself otherwise
    unsigned permissions = 0;       // permission bits of an existing file
    bool writable = false;          // an existing file may be written by this user
};

class FileLayer {
public:
    using Handle = std::intptr_t;

    virtual ~FileLayer() = default;
    // What stands at `path` now.
    virtual std::error_code inspect(const std::filesystem::path& path, TargetInfo& info) = 0;
    // Creates a file that must not exist yet, with the given permission bits.
    virtual std::error_code createNew(const std::filesystem::path& path, unsigned permissions,
                                      Handle& handle) = 0;
    // Writes all of `data` or reports why not.
    virtual std::error_code write(Handle handle, const char* data, std::size_t size) = 0;
    // Flushes to the disk and closes; the handle is gone afterwards, also on failure.
    virtual std::error_code finish(Handle handle) = 0;
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
    std::error_code createNew(const std::filesystem::path& path, unsigned permissions,
                              Handle& handle) override;
    std::error_code write(Handle handle, const char* data, std::size_t size) override;
    std::error_code finish(Handle handle) override;
    void abandon(Handle handle) noexcept override;
    std::error_code replace(const std::filesystem::path& from,
                            const std::filesystem::path& to) override;
    void remove(const std::filesystem::path& path) noexcept override;
};

} // namespace quentara
