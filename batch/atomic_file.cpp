// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/atomic_file.h"

#include <cstdio>
#include <functional>
#include <random>

namespace quentara {
namespace {

constexpr unsigned ownerOnly = 0600;
constexpr int nameAttempts = 16;

// A name beside the target's `name` that no other writer is likely to pick: the name
// (shortened, so the suffix never pushes it past the length a name may have) and a random tag.
std::filesystem::path temporaryBeside(const std::filesystem::path& name, unsigned tag) {
    auto shortened = name.native();
    if (shortened.size() > 100)
        shortened.resize(100);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", tag);
    return std::filesystem::path(shortened).concat(suffix);
}

// The folder refuses a new file although the file in it may be written.
bool folderRefuses(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::no_such_file_or_directory || // /proc and the like
           error == std::errc::operation_not_supported;
}

// The file system has no permission bits to set (FAT through FUSE, say).
bool modeUnsupported(const std::error_code& error) {
    return error == std::errc::function_not_supported ||
           error == std::errc::operation_not_supported ||
           error == std::errc::operation_not_permitted;
}

} // namespace

AtomicFile::AtomicFile(FileLayer& files, std::filesystem::path target)
    : files_(files), target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
    discard();
}

FileFailure AtomicFile::fail(FileFailure::Step step, std::error_code error) {
    discard();
    FileFailure failure{step, error, info_.kind};
    failure.oldContentGone = changed_;
    return failure;
}

FileFailure AtomicFile::open() {
    if (const std::error_code error = files_.inspect(target_, info_)) {
        if (error != std::errc::no_such_file_or_directory)
            return fail(FileFailure::Step::target, error);
        FileFailure failure = fail(FileFailure::Step::create, error);
        failure.folderMissing = true; // a folder on the way is not there
        return failure;
    }
    folderOpen_ = true;
    switch (info_.kind) {
    case TargetInfo::Kind::folder:
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::is_a_directory));
    case TargetInfo::Kind::other:
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::invalid_argument));
    case TargetInfo::Kind::device:
        if (info_.writeError)
            return fail(FileFailure::Step::target, info_.writeError);
        way_ = Way::stream;
        if (const std::error_code error = files_.openExisting(info_, handle_))
            return fail(FileFailure::Step::open, error);
        open_ = true;
        return {};
    case TargetInfo::Kind::missing:
        return openReplacement();
    case TargetInfo::Kind::file:
        break;
    }
    if (info_.writeError)
        return fail(FileFailure::Step::target, info_.writeError);
    existing_ = true;
    if (const std::error_code error = files_.openExisting(info_, old_))
        return fail(FileFailure::Step::open, error);
    oldOpen_ = true;
    // A replacement would part this name from the others; a link of the system's own has no
    // folder to make a replacement in.
    if (info_.links > 1 || info_.place.systemLink)
        return useExisting(Way::inPlace);
    return openReplacement();
}

// A new file beside the target that takes everything the old one had but its content, and is
// for its owner only until it is complete.
FileFailure AtomicFile::openReplacement() {
    std::error_code error = files_.createUnnamed(info_.place, handle_);
    if (error) { // no unnamed files here: a named one, removed on every way out that allows it
        error = nameTemporary([this](const std::filesystem::path& name) {
            return files_.createNew(info_.place, name, handle_);
        });
    }
    if (error) {
        if (existing_ && folderRefuses(error))
            return useExisting(Way::inPlace);
        return fail(FileFailure::Step::create, error);
    }
    open_ = true;
    if (existing_ && info_.owner) {
        error = files_.setOwner(handle_, *info_.owner);
        if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied)
            return useExisting(Way::inPlace); // the owner cannot be kept
        if (error)
            return fail(FileFailure::Step::create, error);
    }
    if (existing_ && files_.copyAttributes(old_, handle_)) // an access list, a label
        return useExisting(Way::inPlace);
    // After the owner and the access list, which change the permission bits.
    error = files_.setMode(handle_, ownerOnly);
    if (error && !modeUnsupported(error))
        return fail(FileFailure::Step::create, error);
    modeRefused_ = static_cast<bool>(error);
    return {};
}

// Gives the temporary a fresh name beside the target, by creating a new file or by linking the
// unnamed one; another writer's file of the same name means another name is tried.
std::error_code AtomicFile::nameTemporary(
    const std::function<std::error_code(const std::filesystem::path&)>& takeName) {
    std::random_device entropy;
    std::error_code error;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        temporary_ = temporaryBeside(info_.place.name, entropy());
        error = takeName(temporary_);
        if (error != std::errc::file_exists)
            break;
    }
    if (error)
        temporary_.clear();
    return error;
}

void AtomicFile::dropNew() noexcept {
    if (open_) {
        files_.abandon(handle_);
        open_ = false;
    }
    if (!temporary_.empty()) {
        files_.remove(info_.place, temporary_);
        temporary_.clear();
    }
}

// Writes the old file itself, which no other run may write meanwhile.
FileFailure AtomicFile::useExisting(Way way) {
    dropNew();
    way_ = way;
    handle_ = old_;
    open_ = true;
    oldOpen_ = false;
    if (const std::error_code error = files_.lock(handle_))
        return fail(FileFailure::Step::lock, error);
    return {};
}

FileFailure AtomicFile::reserve(std::uintmax_t size) {
    if (reserved_)
        return {};
    reserved_ = true;
    if (way_ == Way::stream)
        return {};
    // Beyond the limit the system would end the process in the middle of the file.
    if (size > files_.sizeLimit())
        return fail(FileFailure::Step::space, std::make_error_code(std::errc::file_too_large));
    if (way_ != Way::inPlace)
        return {};
    std::uintmax_t room = 0;
    if (const std::error_code error = files_.room(info_.place, handle_, room))
        return fail(FileFailure::Step::space, error);
    if (room < size)
        return fail(FileFailure::Step::space, std::make_error_code(std::errc::no_space_on_device));
    if (const std::error_code error = files_.truncate(handle_, changed_))
        return fail(FileFailure::Step::write, error);
    return {};
}

FileFailure AtomicFile::write(const char* data, std::size_t size, const KeepWaiting& keepWaiting) {
    if (FileFailure failure = reserve(0)) // a caller that announced nothing
        return failure;
    std::size_t written = 0;
    const std::error_code error = files_.write(handle_, data, size, keepWaiting, written);
    if (way_ == Way::inPlace && written > 0)
        changed_ = true;
    if (error)
        return fail(FileFailure::Step::write, error);
    return {};
}

FileFailure AtomicFile::commit() {
    if (FileFailure failure = reserve(0))
        return failure;
    // A device or pipe has nothing to flush to a disk.
    if (way_ != Way::stream) {
        if (const std::error_code error = files_.sync(handle_))
            return fail(FileFailure::Step::finish, error);
    }
    if (way_ == Way::replace) {
        // The content is complete: only now may others read it as the old file allowed.
        if (!modeRefused_) {
            if (const std::error_code error =
                    files_.setMode(handle_, existing_ ? info_.permissions : ownerOnly))
                return fail(FileFailure::Step::finish, error);
        }
        // The content is complete and on the disk: only now does it get a name.
        if (temporary_.empty()) {
            if (const std::error_code error =
                    nameTemporary([this](const std::filesystem::path& name) {
                        return files_.link(handle_, info_.place, name);
                    }))
                return fail(FileFailure::Step::replace, error);
        }
    }
    open_ = false;
    if (const std::error_code error = files_.close(handle_))
        return fail(FileFailure::Step::finish, error);
    if (oldOpen_) { // Windows renames nothing over a file that is open
        files_.abandon(old_);
        oldOpen_ = false;
    }
    if (way_ == Way::replace) {
        if (const std::error_code error = files_.replace(info_.place, temporary_))
            return fail(FileFailure::Step::replace, error);
        temporary_.clear();
    }
    discard(); // the old file and the folder
    return {};
}

FileFailure AtomicFile::stop() {
    if (!changed_) {
        discard();
        return {};
    }
    return fail(FileFailure::Step::write, std::make_error_code(std::errc::operation_canceled));
}

void AtomicFile::discard() noexcept {
    dropNew();
    if (oldOpen_) {
        files_.abandon(old_);
        oldOpen_ = false;
    }
    if (folderOpen_) {
        files_.closeFolder(info_.place);
        folderOpen_ = false;
    }
}

} // namespace quentara
