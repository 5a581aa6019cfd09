#include "batch/file_layer.h"

#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quentara {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

std::error_code SystemFileLayer::inspect(const std::filesystem::path& path, TargetInfo& info) {
    info = TargetInfo{};
    info.resolved = path;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return {}; // a missing folder on the way shows when the file is created
    if (error)
        return error;
    if (status.type() != std::filesystem::file_type::regular) {
        info.kind = status.type() == std::filesystem::file_type::directory
                        ? TargetInfo::Kind::folder
                        : TargetInfo::Kind::other;
        return {};
    }
    info.kind = TargetInfo::Kind::file;
    // Write through a link into the file it names, as opening the path would.
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
        const std::filesystem::path target = std::filesystem::canonical(path, error);
        if (error)
            return error;
        info.resolved = target;
    }
#ifdef _WIN32
    info.permissions = static_cast<unsigned>(status.permissions());
    info.writable = (status.permissions() & std::filesystem::perms::owner_write) !=
                    std::filesystem::perms::none;
#else
    struct stat st {};
    if (::stat(info.resolved.c_str(), &st) != 0)
        return lastError();
    info.permissions = static_cast<unsigned>(st.st_mode) & 07777u;
    info.writable = ::access(info.resolved.c_str(), W_OK) == 0;
#endif
    return {};
}

std::error_code SystemFileLayer::createNew(const std::filesystem::path& path, unsigned permissions,
                                           Handle& handle) {
#ifdef _WIN32
    // Windows has no owner-only mode bits: the file inherits its folder's access list.
    (void)permissions;
    int fd = -1;
    const errno_t failure = _wsopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                      _SH_DENYRW, _S_IREAD | _S_IWRITE);
    if (failure != 0)
        return {failure, std::generic_category()};
#else
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    // The creation mode passes through the umask; set the bits the caller asked for exactly.
    if (::fchmod(fd, static_cast<mode_t>(permissions)) != 0) {
        const std::error_code error = lastError();
        ::close(fd);
        ::unlink(path.c_str());
        return error;
    }
#endif
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::write(Handle handle, const char* data, std::size_t size) {
    const int fd = static_cast<int>(handle);
    while (size > 0) {
#ifdef _WIN32
        const unsigned chunk = static_cast<unsigned>(size < (1u << 30) ? size : (1u << 30));
        const int written = ::_write(fd, data, chunk);
#else
        const std::size_t chunk = size < (std::size_t{1} << 30) ? size : (std::size_t{1} << 30);
        const ssize_t written = ::write(fd, data, chunk);
#endif
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

std::error_code SystemFileLayer::finish(Handle handle) {
    const int fd = static_cast<int>(handle);
#ifdef _WIN32
    std::error_code error;
    if (::_commit(fd) != 0)
        error = lastError();
    if (::_close(fd) != 0 && !error)
        error = lastError();
#else
    // A full disk can show only here, when the data reaches it.
    std::error_code error;
    if (::fsync(fd) != 0)
        error = lastError();
    if (::close(fd) != 0 && !error)
        error = lastError();
#endif
    return error;
}

void SystemFileLayer::abandon(Handle handle) noexcept {
#ifdef _WIN32
    ::_close(static_cast<int>(handle));
#else
    ::close(static_cast<int>(handle));
#endif
}

std::error_code SystemFileLayer::replace(const std::filesystem::path& from,
                                         const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error); // rename(2) / MoveFileEx with replacing
#ifndef _WIN32
    if (!error) {
        // Make the new name itself survive a power cut; the content was synced before.
        const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : ".";
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            (void)::fsync(fd); // the replace has happened: a failure here changes nothing
            ::close(fd);
        }
    }
#endif
    return error;
}

void SystemFileLayer::remove(const std::filesystem::path& path) noexcept {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace quentara
