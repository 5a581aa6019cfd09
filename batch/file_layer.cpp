// SPDX-License-Identifier: GPL-3.0-or-later
// What the system's files have in common on every platform: reading what stands at a path.
#include "batch/file_layer.h"

namespace quentara {

namespace fs = std::filesystem;

// Platform part of inspect: permissions, write access, links and owner of an existing file.
std::error_code describeExisting(TargetInfo& info);

namespace {

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

} // namespace

std::error_code SystemFileLayer::inspect(const fs::path& path, TargetInfo& info) {
    info = TargetInfo{};
    info.resolved = path;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return resolveToMissing(path, info.resolved); // a missing folder shows at creation
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
    default: // block devices, sockets: no place for a text file
        info.kind = TargetInfo::Kind::other;
        return {};
    }
    // Write through a link into the file it names, as opening the path would.
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path target = fs::canonical(path, error);
        if (error)
            return error;
        info.resolved = target;
    }
    return describeExisting(info);
}

} // namespace quentara
