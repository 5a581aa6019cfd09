// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files on Linux and other POSIX systems.
#include "batch/file_layer.h"
#include "batch/temporary_guard.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace quentara {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

int descriptor(FileLayer::Handle handle) {
    return static_cast<int>(handle);
}

std::uintmax_t saturatedSum(std::uintmax_t a, std::uintmax_t b) {
    return a > std::numeric_limits<std::uintmax_t>::max() - b
               ? std::numeric_limits<std::uintmax_t>::max()
               : a + b;
}

// A reader that closes a pipe raises SIGPIPE in the writer, which would end the program:
// hold the signal back and take the failed write's EPIPE instead.
class PipeSignalBlock {
public:
    PipeSignalBlock() {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe, &previous_);
    }
    ~PipeSignalBlock() {
        if (raised_ && !wasPending_) {
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            const timespec now{};
            while (sigtimedwait(&pipe, nullptr, &now) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    PipeSignalBlock(const PipeSignalBlock&) = delete;
    PipeSignalBlock& operator=(const PipeSignalBlock&) = delete;

    void raised() { raised_ = true; }

private:
    sigset_t previous_{};
    bool wasPending_ = false;
    bool raised_ = false;
};

} // namespace

std::error_code describeExisting(TargetInfo& info) {
    struct stat st {};
    if (::stat(info.resolved.c_str(), &st) != 0)
        return lastError();
    info.permissions = static_cast<unsigned>(st.st_mode) & 07777u;
    info.links = static_cast<std::uintmax_t>(st.st_nlink);
    info.owner =
        FileOwner{static_cast<std::uint32_t>(st.st_uid), static_cast<std::uint32_t>(st.st_gid)};
    if (::access(info.resolved.c_str(), W_OK) != 0)
        info.writeError = lastError();
    return {};
}

std::error_code SystemFileLayer::createUnnamed(const fs::path& folder, Handle& handle) {
#ifdef O_TMPFILE
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    const int fd = ::open(where.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        // Older kernels and some file systems (network, FUSE) have no unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return std::make_error_code(std::errc::operation_not_supported);
        return lastError();
    }
    handle = fd;
    return {};
#else
    (void)folder;
    (void)handle;
    return std::make_error_code(std::errc::operation_not_supported);
#endif
}

std::error_code SystemFileLayer::createNew(const fs::path& path, Handle& handle) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    guardTemporary(path);
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::setAccess(Handle handle, unsigned permissions,
                                           const std::optional<FileOwner>& owner) {
    const int fd = descriptor(handle);
    if (owner) {
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            return lastError();
        if ((st.st_uid != owner->user || st.st_gid != owner->group) &&
            ::fchown(fd, static_cast<uid_t>(owner->user), static_cast<gid_t>(owner->group)) != 0)
            return lastError();
    }
    // After the owner: a change of owner clears the set-user and set-group bits. Set exactly,
    // not through the umask.
    if (::fchmod(fd, static_cast<mode_t>(permissions)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::openExisting(const fs::path& path, Handle& handle) {
    // Not waiting for a reader of a named pipe: without one the window would hang.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return lastError();
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const std::error_code error = lastError();
        ::close(fd);
        return error;
    }
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::room(const fs::path& path, std::uintmax_t& bytes) {
    struct stat st {};
    struct statvfs disk {};
    if (::stat(path.c_str(), &st) != 0 || ::statvfs(path.c_str(), &disk) != 0)
        return lastError();
    if (disk.f_blocks == 0) { // a file system without blocks (/proc, /sys) tells nothing
        bytes = std::numeric_limits<std::uintmax_t>::max();
        return {};
    }
    const std::uintmax_t blockSize = disk.f_frsize != 0 ? disk.f_frsize : disk.f_bsize;
    const std::uintmax_t available = static_cast<std::uintmax_t>(disk.f_bavail);
    const std::uintmax_t freeBytes =
        available > std::numeric_limits<std::uintmax_t>::max() / blockSize
            ? std::numeric_limits<std::uintmax_t>::max()
            : available * blockSize;
    bytes = saturatedSum(freeBytes, static_cast<std::uintmax_t>(st.st_blocks) * 512u);
    return {};
}

std::error_code SystemFileLayer::truncate(Handle handle) {
    if (::ftruncate(descriptor(handle), 0) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::write(Handle handle, const char* data, std::size_t size) {
    const int fd = descriptor(handle);
    PipeSignalBlock pipeSignal;
    while (size > 0) {
        const std::size_t chunk = size < (std::size_t{1} << 30) ? size : (std::size_t{1} << 30);
        const ssize_t written = ::write(fd, data, chunk);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EPIPE)
                pipeSignal.raised();
            return lastError();
        }
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

std::error_code SystemFileLayer::sync(Handle handle) {
    // A full disk can show only here, when the data reaches it.
    if (::fsync(descriptor(handle)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::link(Handle handle, const fs::path& path) {
#ifdef __linux__
    char self[40];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", descriptor(handle));
    if (::linkat(AT_FDCWD, self, AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        const std::error_code error = lastError();
        // Without /proc, the direct way; it needs a privilege that root has.
        if (error != std::errc::no_such_file_or_directory || ::access("/proc/self/fd", F_OK) == 0)
            return error;
        if (::linkat(descriptor(handle), "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) != 0)
            return lastError();
    }
    guardTemporary(path);
    return {};
#else
    (void)handle;
    (void)path;
    return std::make_error_code(std::errc::operation_not_supported);
#endif
}

std::error_code SystemFileLayer::close(Handle handle) {
    if (::close(descriptor(handle)) != 0)
        return lastError();
    return {};
}

void SystemFileLayer::abandon(Handle handle) noexcept {
    ::close(descriptor(handle));
}

std::error_code SystemFileLayer::replace(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        return lastError();
    releaseTemporary(from);
    // Make the new name itself survive a power cut; the content was synced before.
    const fs::path folder = to.has_parent_path() ? to.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd); // the replace has happened: a failure here changes nothing
        ::close(fd);
    }
    return {};
}

void SystemFileLayer::remove(const fs::path& path) noexcept {
    ::unlink(path.c_str());
    releaseTemporary(path);
}

} // namespace quentara
