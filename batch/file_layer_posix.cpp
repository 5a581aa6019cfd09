// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files on Linux and other POSIX systems.
#include "batch/c_library_files.h"
#include "batch/file_attributes_posix.h"
#include "batch/file_layer.h"
#include "batch/saturated.h"
#include "batch/target_walk_posix.h"
#include "batch/temporary_guard.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace quentara {

namespace fs = std::filesystem;

namespace {

constexpr int waitMilliseconds = 200; // between two questions whether to go on waiting

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

// A slow reader: wait until the pipe takes more, asking meanwhile whether to go on.
std::error_code waitForRoom(int fd, const KeepWaiting& keepWaiting) {
    pollfd wanted{fd, POLLOUT, 0};
    const int ready = ::poll(&wanted, 1, waitMilliseconds);
    if (ready < 0 && errno != EINTR)
        return lastError();
    if (ready <= 0 && keepWaiting && !keepWaiting())
        return std::make_error_code(std::errc::operation_canceled);
    return {};
}

} // namespace

std::error_code SystemFileLayer::inspect(const fs::path& path, TargetInfo& info) {
    return walkToTarget(path, info);
}

void SystemFileLayer::closeFolder(const Place& place) noexcept {
    if (place.folder >= 0)
        ::close(descriptor(place.folder));
}

std::error_code SystemFileLayer::createUnnamed(const Place& place, Handle& handle) {
#ifdef O_TMPFILE
    const int fd = ::openat(descriptor(place.folder), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        // Older kernels and some file systems (network, FUSE) have no unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return std::make_error_code(std::errc::operation_not_supported);
        return lastError();
    }
    handle = fd;
    return {};
#else
    (void)place;
    (void)handle;
    return std::make_error_code(std::errc::operation_not_supported);
#endif
}

std::error_code SystemFileLayer::createNew(const Place& place, const fs::path& name,
                                           Handle& handle) {
    const int fd = ::openat(descriptor(place.folder), name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    guardTemporary(place.folder, name);
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::setOwner(Handle handle, const FileOwner& owner) {
    const int fd = descriptor(handle);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return lastError();
    if ((st.st_uid != owner.user || st.st_gid != owner.group) &&
        ::fchown(fd, static_cast<uid_t>(owner.user), static_cast<gid_t>(owner.group)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::setMode(Handle handle, unsigned permissions) {
    if (::fchmod(descriptor(handle), static_cast<mode_t>(permissions)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::copyAttributes(Handle from, Handle to) {
    return copyExtendedAttributes(descriptor(from), descriptor(to));
}

std::error_code SystemFileLayer::openExisting(const TargetInfo& info, Handle& handle) {
    // Not waiting for a reader of a named pipe: without one the window would hang. The name
    // is not followed if it has become a link since it was inspected.
    const int flags =
        O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (info.place.systemLink ? 0 : O_NOFOLLOW);
    const int fd = ::openat(descriptor(info.place.folder), info.place.name.c_str(), flags);
    if (fd < 0)
        return errno == ELOOP ? make_error_code(TargetRefusal::swapped) : lastError();
    struct stat st {};
    if (::fstat(fd, &st) != 0 || static_cast<std::uint64_t>(st.st_dev) != info.device ||
        static_cast<std::uint64_t>(st.st_ino) != info.inode) {
        ::close(fd);
        return make_error_code(TargetRefusal::swapped);
    }
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::lock(Handle handle) {
    if (::flock(descriptor(handle), LOCK_EX | LOCK_NB) == 0)
        return {};
    if (errno == EWOULDBLOCK)
        return std::make_error_code(std::errc::resource_unavailable_try_again);
    // A file system without locks (some network ones): nothing to keep others out with.
    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL)
        return {};
    return lastError();
}

std::error_code SystemFileLayer::room(const Place&, Handle handle, std::uintmax_t& bytes) {
    struct stat st {};
    struct statvfs disk {};
    if (::fstat(descriptor(handle), &st) != 0 || ::fstatvfs(descriptor(handle), &disk) != 0)
        return lastError();
    if (disk.f_blocks == 0) { // a file system without blocks (/proc, /sys) tells nothing
        bytes = largestSize;
        return {};
    }
    const std::uintmax_t blockSize = disk.f_frsize != 0 ? disk.f_frsize : disk.f_bsize;
    const std::uintmax_t available = static_cast<std::uintmax_t>(disk.f_bavail);
    const std::uintmax_t freeBytes = saturatedProduct(available, blockSize);
    bytes = saturatedSum(freeBytes, static_cast<std::uintmax_t>(st.st_blocks) * 512u);
    return {};
}

std::uintmax_t SystemFileLayer::sizeLimit() {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return largestSize;
    return static_cast<std::uintmax_t>(limit.rlim_cur);
}

std::error_code SystemFileLayer::truncate(Handle handle, bool& lost) {
    const int fd = descriptor(handle);
    struct stat before {};
    const bool known = ::fstat(fd, &before) == 0;
    lost = false;
    if (::ftruncate(fd, 0) != 0)
        return lastError();
    // /proc and /sys files say they hold nothing, or the same, before and after.
    struct stat after {};
    lost = !known || (before.st_size > 0 && (::fstat(fd, &after) != 0 || after.st_size == 0));
    return {};
}

std::error_code SystemFileLayer::write(Handle handle, const char* data, std::size_t size,
                                       const KeepWaiting& keepWaiting, std::size_t& written) {
    const int fd = descriptor(handle);
    PipeSignalBlock pipeSignal;
    return writeAll(data, size, written,
                    [&](const char* piece, std::size_t count, std::size_t& done) {
                        for (;;) {
                            const ssize_t result = ::write(fd, piece, count);
                            if (result >= 0) {
                                done = static_cast<std::size_t>(result);
                                return std::error_code{};
                            }
                            if (errno != EAGAIN && errno != EINTR)
                                break;
                            if (const std::error_code error = waitForRoom(fd, keepWaiting))
                                return error;
                        }
                        if (errno == EPIPE)
                            pipeSignal.raised();
                        return lastError();
                    });
}

std::error_code SystemFileLayer::sync(Handle handle) {
    // A full disk can show only here, when the data reaches it.
    if (::fsync(descriptor(handle)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::link(Handle handle, const Place& place, const fs::path& name) {
#ifdef __linux__
    const int folder = descriptor(place.folder);
    char self[40];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", descriptor(handle));
    if (::linkat(AT_FDCWD, self, folder, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        const std::error_code error = lastError();
        // Without /proc, the direct way; it needs a privilege that root has.
        if (error != std::errc::no_such_file_or_directory || ::access("/proc/self/fd", F_OK) == 0)
            return error;
        if (::linkat(descriptor(handle), "", folder, name.c_str(), AT_EMPTY_PATH) != 0)
            return lastError();
    }
    guardTemporary(place.folder, name);
    return {};
#else
    (void)handle;
    (void)place;
    (void)name;
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

std::error_code SystemFileLayer::replace(const Place& place, const fs::path& from) {
    const int folder = descriptor(place.folder);
    if (::renameat(folder, from.c_str(), folder, place.name.c_str()) != 0)
        return lastError();
    releaseTemporary(place.folder, from);
    // Make the new name itself survive a power cut; the content was synced before.
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd); // the replace has happened: a failure here changes nothing
        ::close(fd);
    }
    return {};
}

void SystemFileLayer::remove(const Place& place, const fs::path& name) noexcept {
    ::unlinkat(descriptor(place.folder), name.c_str(), 0);
    releaseTemporary(place.folder, name);
}

} // namespace quentara
