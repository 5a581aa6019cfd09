// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files on Windows.
#include "batch/c_library_files.h"
#include "batch/file_layer.h"
#include "batch/saturated.h"
#include "batch/temporary_guard.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

namespace quentara {

namespace fs = std::filesystem;

namespace {

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

// Follows a chain of links to the missing file at its end, where a shell's ">" would
// create the file; a path that is no link resolves to itself.
std::error_code resolveToMissing(const fs::path& path, fs::path& resolved) {
    fs::path current = path;
    for (int hop = 0; hop < 40; ++hop) { // the systems' own limit on links in a row
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            resolved = current;
            return {};
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return error;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Windows folders are not held open: the place is the folder's path and the name.
std::error_code placeAt(const fs::path& resolved, TargetInfo& info) {
    if (!resolved.has_filename())
        return std::make_error_code(std::errc::invalid_argument);
    info.place.folderPath = resolved.has_parent_path() ? resolved.parent_path() : fs::path(".");
    info.place.name = resolved.filename();
    std::error_code error;
    const fs::file_status folder = fs::status(info.place.folderPath, error);
    if (folder.type() == fs::file_type::not_found)
        return std::make_error_code(std::errc::no_such_file_or_directory);
    if (!error && folder.type() != fs::file_type::directory)
        return std::make_error_code(std::errc::not_a_directory);
    return {};
}

fs::path pathOf(const Place& place, const fs::path& name) {
    return place.folderPath / name;
}

} // namespace

std::error_code SystemFileLayer::inspect(const fs::path& path, TargetInfo& info) {
    info = TargetInfo{};
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        fs::path resolved;
        if (const std::error_code walked = resolveToMissing(path, resolved))
            return walked;
        return placeAt(resolved, info);
    }
    if (error)
        return error;
    switch (status.type()) {
    case fs::file_type::regular:
        info.kind = TargetInfo::Kind::file;
        break;
    case fs::file_type::directory:
        info.kind = TargetInfo::Kind::folder;
        return {};
    case fs::file_type::character:
    case fs::file_type::fifo:
        info.kind = TargetInfo::Kind::device;
        break;
    default:
        info.kind = TargetInfo::Kind::other;
        return {};
    }
    fs::path resolved = path;
    if (fs::is_symlink(fs::symlink_status(path, error))) { // written through, as opening would
        resolved = fs::canonical(path, error);
        if (error)
            return error;
    }
    if (const std::error_code placed = placeAt(resolved, info))
        return placed;
    info.permissions = static_cast<unsigned>(status.permissions());
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        info.writeError = std::make_error_code(std::errc::permission_denied);
    if (info.kind == TargetInfo::Kind::file)
        info.links = countLinks(resolved);
    return {}; // access lists, not owners, decide who may read a file here
}

void SystemFileLayer::closeFolder(const Place&) noexcept {}

std::error_code SystemFileLayer::createUnnamed(const Place&, Handle&) {
    return std::make_error_code(std::errc::operation_not_supported);
}

std::error_code SystemFileLayer::createNew(const Place& place, const fs::path& name,
                                           Handle& handle) {
    const fs::path path = pathOf(place, name);
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
    guardTemporary(place.folder, path);
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::setOwner(Handle, const FileOwner&) {
    return {};
}

std::error_code SystemFileLayer::setMode(Handle, unsigned) {
    return {};
}

std::error_code SystemFileLayer::copyAttributes(Handle, Handle) {
    return {};
}

std::error_code SystemFileLayer::openExisting(const TargetInfo& info, Handle& handle) {
    // Others may not write the file while it is open here, so no second run can either.
    const fs::path path = pathOf(info.place, info.place.name);
    int fd = -1;
    const errno_t failure =
        _wsopen_s(&fd, path.c_str(), _O_WRONLY | _O_BINARY, _SH_DENYWR, _S_IREAD | _S_IWRITE);
    if (failure != 0)
        return {failure, std::generic_category()};
    handle = fd;
    return {};
}

std::error_code SystemFileLayer::lock(Handle) {
    return {};
}

std::error_code SystemFileLayer::room(const Place& place, Handle, std::uintmax_t& bytes) {
    std::error_code error;
    // The free space of the disk is asked of a folder on it.
    const fs::space_info disk = fs::space(place.folderPath, error);
    if (error)
        return error;
    const std::uintmax_t size = fs::file_size(pathOf(place, place.name), error);
    if (error)
        return error;
    bytes = saturatedSum(disk.available, size);
    return {};
}

std::uintmax_t SystemFileLayer::sizeLimit() {
    return largestSize;
}

std::error_code SystemFileLayer::truncate(Handle handle, bool& lost) {
    lost = ::_filelengthi64(descriptor(handle)) != 0;
    if (const errno_t failure = _chsize_s(descriptor(handle), 0); failure != 0)
        return {failure, std::generic_category()};
    return {};
}

std::error_code SystemFileLayer::write(Handle handle, const char* data, std::size_t size,
                                       const KeepWaiting&, std::size_t& written) {
    const int fd = descriptor(handle);
    return writeAll(data, size, written,
                    [fd](const char* piece, std::size_t count, std::size_t& done) {
                        const int result = ::_write(fd, piece, static_cast<unsigned>(count));
                        if (result < 0)
                            return lastError();
                        done = static_cast<std::size_t>(result);
                        return std::error_code{};
                    });
}

std::error_code SystemFileLayer::sync(Handle handle) {
    if (::_commit(descriptor(handle)) != 0)
        return lastError();
    return {};
}

std::error_code SystemFileLayer::link(Handle, const Place&, const fs::path&) {
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

std::error_code SystemFileLayer::replace(const Place& place, const fs::path& from) {
    std::error_code error;
    const fs::path path = pathOf(place, from);
    fs::rename(path, pathOf(place, place.name), error); // MoveFileEx with replacing
    if (!error)
        releaseTemporary(place.folder, path);
    return error;
}

void SystemFileLayer::remove(const Place& place, const fs::path& name) noexcept {
    std::error_code ignored;
    const fs::path path = pathOf(place, name);
    fs::remove(path, ignored);
    releaseTemporary(place.folder, path);
}

} // namespace quentara
