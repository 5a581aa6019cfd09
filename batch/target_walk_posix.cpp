// SPDX-License-Identifier: GPL-3.0-or-later
// Following a path to the name it ends in, link by link, as the system would, but with the
// rules for folders shared by everyone applied whatever the system is set to: a link that
// another user made in /tmp can point anywhere, and following it would let them choose which
// of the user's files the passwords replace.
#include "batch/target_walk_posix.h"

#include "batch/c_library_files.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/magic.h>
#include <string>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quentara {
namespace {

namespace fs = std::filesystem;

constexpr int maxLinks = 40; // the system's own limit on links in a row

class Folder {
public:
    explicit Folder(int fd) : fd_(fd) {}
    ~Folder() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

int openFolder(int at, const char* name) {
    return ::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Sticky and writable by everyone, as /tmp: anyone may put a name there, but only its owner
// (or the folder's) may take it away.
bool sharedByEveryone(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
}

// The system's own rule for such folders: a link or file there is trusted when it is the
// user's or the folder owner's.
bool trusted(int folder, const struct stat& entry) {
    struct stat here {};
    if (::fstat(folder, &here) != 0)
        return false;
    return !sharedByEveryone(here) || entry.st_uid == ::geteuid() || entry.st_uid == here.st_uid;
}

// /proc's links (/proc/self/fd/1) name pipes and files that only the system can reach.
bool onProc(int folder) {
    struct statfs system {};
    return ::fstatfs(folder, &system) == 0 && system.f_type == PROC_SUPER_MAGIC;
}

// Puts the parts of `path` in front of those still to walk, which are kept last one first.
void pushParts(const std::string& path, std::vector<std::string>& pending) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

std::error_code readLink(int folder, const std::string& name, std::string& target) {
    char buffer[PATH_MAX];
    const ssize_t size = ::readlinkat(folder, name.c_str(), buffer, sizeof buffer);
    if (size < 0)
        return lastError();
    if (static_cast<std::size_t>(size) == sizeof buffer)
        return std::make_error_code(std::errc::filename_too_long);
    target.assign(buffer, static_cast<std::size_t>(size));
    return {};
}

TargetInfo::Kind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return TargetInfo::Kind::file;
    if (S_ISDIR(mode))
        return TargetInfo::Kind::folder;
    if (S_ISCHR(mode) || S_ISFIFO(mode))
        return TargetInfo::Kind::device;
    return TargetInfo::Kind::other; // block devices, sockets: no place for a text file
}

// What stands at the end: `entry` as found there, the link's target for a link of /proc.
std::error_code describe(int folder, const std::string& name, const struct stat& entry,
                         bool systemLink, TargetInfo& info) {
    info.kind = kindOf(entry.st_mode);
    if (info.kind == TargetInfo::Kind::folder || info.kind == TargetInfo::Kind::other)
        return {};
    if (!systemLink && !trusted(folder, entry))
        return make_error_code(TargetRefusal::othersFile);
    info.permissions = static_cast<unsigned>(entry.st_mode) & 07777u;
    info.links = static_cast<std::uintmax_t>(entry.st_nlink);
    info.owner = FileOwner{static_cast<std::uint32_t>(entry.st_uid),
                           static_cast<std::uint32_t>(entry.st_gid)};
    info.device = static_cast<std::uint64_t>(entry.st_dev);
    info.inode = static_cast<std::uint64_t>(entry.st_ino);
    // The effective user decides, as it does when the file is opened.
    const int flags = AT_EACCESS | (systemLink ? 0 : AT_SYMLINK_NOFOLLOW);
    if (::faccessat(folder, name.c_str(), W_OK, flags) != 0)
        info.writeError = lastError();
    return {};
}

} // namespace

std::error_code walkToTarget(const fs::path& path, TargetInfo& info) {
    info = TargetInfo{};
    const std::string& text = path.native();
    if (text.empty())
        return std::make_error_code(std::errc::invalid_argument);
    const bool folderWanted = text.back() == '/';
    std::vector<std::string> pending;
    pushParts(text, pending);
    Folder folder(openFolder(AT_FDCWD, text.front() == '/' ? "/" : "."));
    if (folder.get() < 0)
        return lastError();
    int links = 0;
    while (!pending.empty()) {
        const std::string name = std::move(pending.back());
        pending.pop_back();
        const bool last = pending.empty();
        struct stat entry {};
        if (::fstatat(folder.get(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !last) // a folder on the way is missing
                return lastError();
            if (folderWanted)
                return std::make_error_code(std::errc::invalid_argument);
            info.place.name = name; // a new file, made here
            info.place.folder = folder.release();
            return {};
        }
        if (S_ISLNK(entry.st_mode)) {
            if (++links > maxLinks)
                return std::make_error_code(std::errc::too_many_symbolic_link_levels);
            if (!trusted(folder.get(), entry))
                return make_error_code(TargetRefusal::othersLink);
            if (last && onProc(folder.get())) {
                struct stat target {};
                if (::fstatat(folder.get(), name.c_str(), &target, 0) != 0)
                    return lastError();
                info.place.systemLink = true;
                if (const std::error_code error = describe(folder.get(), name, target, true, info))
                    return error;
                info.place.name = name;
                info.place.folder = folder.release();
                return {};
            }
            std::string target;
            if (const std::error_code error = readLink(folder.get(), name, target))
                return error;
            if (target.empty())
                return std::make_error_code(std::errc::no_such_file_or_directory);
            if (target.front() == '/') {
                const int root = openFolder(AT_FDCWD, "/");
                if (root < 0)
                    return lastError();
                folder.reset(root);
            }
            pushParts(target, pending);
            if (pending.empty()) // a link to "/"
                pending.push_back(".");
            continue;
        }
        if (!last) {
            if (!S_ISDIR(entry.st_mode))
                return std::make_error_code(std::errc::not_a_directory);
            const int next = openFolder(folder.get(), name.c_str());
            if (next < 0)
                return lastError();
            folder.reset(next);
            continue;
        }
        if (folderWanted && !S_ISDIR(entry.st_mode))
            return std::make_error_code(std::errc::not_a_directory);
        if (const std::error_code error = describe(folder.get(), name, entry, false, info))
            return error;
        info.place.name = name;
        info.place.folder = folder.release();
        return {};
    }
    info.kind = TargetInfo::Kind::folder; // "/" alone
    return {};
}

} // namespace quentara
