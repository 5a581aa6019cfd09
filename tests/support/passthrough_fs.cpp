// SPDX-License-Identifier: GPL-3.0-or-later
// A FUSE file system for the batch writer's tests: it mirrors a backing folder, and with
// --refuse-mode-change answers every change of a file's mode or owner with ENOSYS, as FAT
// through FUSE does. FUSE has no unnamed files either, so a writer takes its named path here.
//   passthrough_fs [--ready-fd=N] [--refuse-mode-change] BACKING MOUNTPOINT [FUSE OPTIONS]
// With --ready-fd it writes one byte to descriptor N once mounted, and keeps N open until it
// ends. Only what a file writer needs is there.
#define FUSE_USE_VERSION 31

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

// Named, so that "::open" and the like mean the system's own calls.
namespace passthrough {

int backing = -1; // the mirrored folder, opened once: every path is taken relative to it
bool refuseModeChange = false;
int readyFd = -1; // told once the mount is there

// FUSE's paths start with "/"; relative to `backing` they must not.
const char* relative(const char* path) {
    return path[1] == '\0' ? "." : path + 1;
}

int handle(const fuse_file_info* fi) {
    return static_cast<int>(fi->fh);
}

int failed() {
    return -errno;
}

int result(int value) {
    return value < 0 ? failed() : 0;
}

// The kernel's first request, which only a mount sends.
void* init(fuse_conn_info*, fuse_config* config) {
    if (readyFd >= 0) {
        const char ready = 'r';
        [[maybe_unused]] const ssize_t told = ::write(readyFd, &ready, 1);
    }
    config->use_ino = 1;
    config->readdir_ino = 1;
    // Changes to the backing folder show at once, and an open file that is removed is gone at
    // once instead of lingering under a hidden name.
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    config->hard_remove = 1;
    config->nullpath_ok = 1;
    return nullptr;
}

int getattr(const char* path, struct stat* st, fuse_file_info* fi) {
    if (fi != nullptr)
        return result(::fstat(handle(fi), st));
    return result(::fstatat(backing, relative(path), st, AT_SYMLINK_NOFOLLOW));
}

int opendir(const char* path, fuse_file_info* fi) {
    const int fd = ::openat(backing, relative(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failed();
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        const int error = failed();
        ::close(fd);
        return error;
    }
    fi->fh = reinterpret_cast<std::uintptr_t>(dir);
    return 0;
}

DIR* folder(const fuse_file_info* fi) {
    return reinterpret_cast<DIR*>(static_cast<std::uintptr_t>(fi->fh));
}

// All entries in one go: the FUSE library keeps them and hands them out by offset.
int readdir(const char*, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info* fi,
            fuse_readdir_flags) {
    DIR* dir = folder(fi);
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        st.st_ino = entry->d_ino;
        st.st_mode = static_cast<mode_t>(DTTOIF(entry->d_type));
        if (fill(buffer, entry->d_name, &st, 0, static_cast<fuse_fill_dir_flags>(0)) != 0)
            break;
    }
    return 0;
}

int releasedir(const char*, fuse_file_info* fi) {
    ::closedir(folder(fi));
    return 0;
}

int open(const char* path, fuse_file_info* fi) {
    const int fd = ::openat(backing, relative(path), fi->flags | O_CLOEXEC);
    if (fd < 0)
        return failed();
    fi->fh = static_cast<std::uint64_t>(fd);
    return 0;
}

int create(const char* path, mode_t mode, fuse_file_info* fi) {
    const int fd = ::openat(backing, relative(path), fi->flags | O_CREAT | O_CLOEXEC,
                            mode & ~fuse_get_context()->umask);
    if (fd < 0)
        return failed();
    fi->fh = static_cast<std::uint64_t>(fd);
    return 0;
}

int read(const char*, char* buffer, size_t size, off_t offset, fuse_file_info* fi) {
    const ssize_t done = ::pread(handle(fi), buffer, size, offset);
    return done < 0 ? failed() : static_cast<int>(done);
}

int write(const char*, const char* data, size_t size, off_t offset, fuse_file_info* fi) {
    const ssize_t done = ::pwrite(handle(fi), data, size, offset);
    return done < 0 ? failed() : static_cast<int>(done);
}

int truncate(const char* path, off_t size, fuse_file_info* fi) {
    if (fi != nullptr)
        return result(::ftruncate(handle(fi), size));
    const int fd = ::openat(backing, relative(path), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return failed();
    const int error = result(::ftruncate(fd, size));
    ::close(fd);
    return error;
}

int fsync(const char*, int dataOnly, fuse_file_info* fi) {
    return result(dataOnly != 0 ? ::fdatasync(handle(fi)) : ::fsync(handle(fi)));
}

int release(const char*, fuse_file_info* fi) {
    ::close(handle(fi));
    return 0;
}

int rename(const char* from, const char* to, unsigned int flags) {
    return result(::renameat2(backing, relative(from), backing, relative(to), flags));
}

int unlink(const char* path) {
    return result(::unlinkat(backing, relative(path), 0));
}

int link(const char* from, const char* to) {
    return result(::linkat(backing, relative(from), backing, relative(to), 0));
}

int symlink(const char* target, const char* path) {
    return result(::symlinkat(target, backing, relative(path)));
}

int readlink(const char* path, char* buffer, size_t size) {
    const ssize_t length = ::readlinkat(backing, relative(path), buffer, size - 1);
    if (length < 0)
        return failed();
    buffer[length] = '\0';
    return 0;
}

int chmod(const char* path, mode_t mode, fuse_file_info* fi) {
    if (refuseModeChange)
        return -ENOSYS;
    if (fi != nullptr)
        return result(::fchmod(handle(fi), mode));
    return result(::fchmodat(backing, relative(path), mode, 0));
}

int chown(const char* path, uid_t user, gid_t group, fuse_file_info* fi) {
    if (refuseModeChange)
        return -ENOSYS;
    if (fi != nullptr)
        return result(::fchown(handle(fi), user, group));
    return result(::fchownat(backing, relative(path), user, group, AT_SYMLINK_NOFOLLOW));
}

int utimens(const char* path, const timespec times[2], fuse_file_info* fi) {
    if (fi != nullptr)
        return result(::futimens(handle(fi), times));
    return result(::utimensat(backing, relative(path), times, AT_SYMLINK_NOFOLLOW));
}

int statfs(const char*, struct statvfs* disk) {
    return result(::fstatvfs(backing, disk));
}

int mkdir(const char* path, mode_t mode) {
    return result(::mkdirat(backing, relative(path), mode & ~fuse_get_context()->umask));
}

int rmdir(const char* path) {
    return result(::unlinkat(backing, relative(path), AT_REMOVEDIR));
}

fuse_operations operations() {
    fuse_operations ops{};
    ops.init = init;
    ops.getattr = getattr;
    ops.opendir = opendir;
    ops.readdir = readdir;
    ops.releasedir = releasedir;
    ops.open = open;
    ops.create = create;
    ops.read = read;
    ops.write = write;
    ops.truncate = truncate;
    ops.fsync = fsync;
    ops.release = release;
    ops.rename = rename;
    ops.unlink = unlink;
    ops.link = link;
    ops.symlink = symlink;
    ops.readlink = readlink;
    ops.chmod = chmod;
    ops.chown = chown;
    ops.utimens = utimens;
    ops.statfs = statfs;
    ops.mkdir = mkdir;
    ops.rmdir = rmdir;
    return ops;
}

} // namespace passthrough

int main(int argc, char* argv[]) {
    std::vector<char*> fuseArguments{argv[0]};
    int next = 1;
    for (; next < argc; ++next) {
        if (std::strncmp(argv[next], "--ready-fd=", 11) == 0) {
            passthrough::readyFd = std::atoi(argv[next] + 11);
            ::fcntl(passthrough::readyFd, F_SETFD, FD_CLOEXEC); // for this process alone
        } else if (std::strcmp(argv[next], "--refuse-mode-change") == 0) {
            passthrough::refuseModeChange = true;
        } else {
            break;
        }
    }
    if (argc - next < 2) {
        std::fprintf(stderr,
                     "usage: %s [--ready-fd=N] [--refuse-mode-change] BACKING MOUNTPOINT "
                     "[FUSE OPTIONS]\n",
                     argv[0]);
        return 2;
    }
    passthrough::backing = ::open(argv[next], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (passthrough::backing < 0) {
        std::perror(argv[next]);
        return 1;
    }
    fuseArguments.insert(fuseArguments.end(), argv + next + 1, argv + argc);
    // Modes arrive with the caller's umask; the daemon's own must not take more away.
    ::umask(0);
    const fuse_operations ops = passthrough::operations();
    return fuse_main(static_cast<int>(fuseArguments.size()), fuseArguments.data(), &ops, nullptr);
}
