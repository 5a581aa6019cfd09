// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files on Windows.
#include "batch/file_layer.h"
#include "batch/temporary_guard.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <limits>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

namespace quentara {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

int descriptor(FileLayer::Handle handle) {
    return static_cast<int>(handle);
}

std::error_code windowsError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

HANDLE systemHandle(FileLayer::Handle handle) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor(handle)));
}

// A file marked so is deleted when its last handle closes, even when the process is killed.
void deleteOnClose(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted;
    SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// The C runtime's stat always says one link; the file's own record has the true count. Where
// the record cannot be read, the count stays one: the file is then replaced, never half-written.
std::uintmax_t countLinks(const fs::path& file) {
    const HANDLE handle = CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 1;
    BY_HANDLE_FILE_INFORMATION record{};
    const bool known = GetFileInformationByHandle(handle, &record) != 0;
    CloseHandle(handle);
    return known ? record.nNumberOfLinks : 1;
}

} // namespace

std::error_code describeExisting(TargetInfo& info) {
    std::error_code error;
    const fs::file_status status = fs::status(info.resolved, error);
    if (error)
        return error;
    info.permissions = static_cast<unsigned>(status.permissions());
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        info.writeError = std::make_error_code(std::errc::permission_denied);
    if (info.kind == TargetInfo::Kind::file)
        info.links = countLinks(info.resolved);
    return {}; // access lists, not owners, decide who may read a file here
}

std::error_code SystemFileLayer::createUnnamed(const fs::path&, Handle&) {
    return std::make_error_code(std::errc::operation_not_supported);
}

std::error_code SystemFileLayer::createNew(const fs::path& path, Handle& handle) {
    // Windows has no owner-only mode bits: the file inherits its folder's access list. Windows
    // has no file without a name either; the next best is one deleted with its handle, which
    // the system closes also for a killed process. `close` cancels that. Where a file system
    // refuses the mark, the guard below still removes the file on every other way out.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return windowsError();
    deleteOnClose(file, true);
    const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (fd == -1) {
        CloseHandle(file);
        DeleteFileW(path.c_str());
        return std::make_error_code(std::errc::too_many_files_open);
    }
    guardTemporary(path);
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::setAccess(Handle, unsigned, const std::optional<FileOwner>&) {
    return {};
}

std::error_code SystemFileLayer::openExisting(const fs::path& path, Handle& handle) {
    int fd = -1;
    const errno_t failure =
        _wsopen_s(&fd, path.c_str(), _O_WRONLY | _O_BINARY, _SH_DENYWR, _S_IREAD | _S_IWRITE);
    if (failure != 0)
        return {failure, std::generic_category()};
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::room(const fs::path& path, std::uintmax_t& bytes) {
    std::error_code error;
    // The free space of the disk is asked of a folder on it.
    const fs::space_info disk =
        fs::space(path.has_parent_path() ? path.parent_path() : fs::path("."), error);
    if (error)
        return error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return error;
    bytes = disk.available > std::numeric_limits<std::uintmax_t>::max() - size
                ? std::numeric_limits<std::uintmax_t>::max()
                : disk.available + size;
    return {};
}

std::error_code SystemFileLayer::truncate(Handle handle) {
    if (const errno_t failure = _chsize_s(descriptor(handle), 0); failure != 0)
        return {failure, std::generic_category()};
    return {};
}

std::error_code SystemFileLayer::write(Handle handle, const char* data, std::size_t size) {
    const int fd = descriptor(handle);
    while (size > 0) {
        const unsigned chunk = static_cast<unsigned>(size < (1u << 30) ? size : (1u << 30));
        const int written = ::_write(fd, data, chunk);
        if (written < 0)
            return lastError();
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

std::error_code SystemFileLayer::sync(Handle handle) {
    if (::_commit(descriptor(handle)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::link(Handle, const fs::path&) {
    return std::make_error_code(std::errc::operation_not_supported);
}

std::error_code SystemFileLayer::close(Handle handle) {
    // A new file is kept from now on; an existing one, opened without the right to delete it,
    // is left as it is.
    deleteOnClose(systemHandle(handle), false);
    if (::_close(descriptor(handle)) != 0)
        return lastError();
    return {};
}

void SystemFileLayer::abandon(Handle handle) noexcept {
    ::_close(descriptor(handle));
}

std::error_code SystemFileLayer::replace(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error); // MoveFileEx with replacing
    if (!error)
        releaseTemporary(from);
    return error;
}

void SystemFileLayer::remove(const fs::path& path) noexcept {
    std::error_code ignored;
    fs::remove(path, ignored);
    releaseTemporary(path);
}

} // namespace quentara
