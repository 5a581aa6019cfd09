// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/atomic_file.h"

#include <cstdio>
#include <random>

namespace quentara {
namespace {

constexpr unsigned ownerOnly = 0600;
constexpr int nameAttempts = 16;

// A name beside the target that no other writer is likely to pick: the target's name
// (shortened, so the suffix never pushes it past the length a name may have) and a random tag.
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned tag) {
    auto name = target.filename().native();
    if (name.size() > 100)
        name.resize(100);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", tag);
    std::filesystem::path temporary = target;
    temporary.replace_filename(std::filesystem::path(name).concat(suffix));
    return temporary;
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The folder refuses a new file although the file in it may be written.
bool folderRefuses(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::no_such_file_or_directory || // /proc and the like
           error == std::errc::operation_not_supported;
}

} // namespace

AtomicFile::AtomicFile(FileLayer& files, std::filesystem::path target)
    : files_(files), target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
    discard();
}

FileFailure AtomicFile::fail(FileFailure::Step step, std::error_code error) {
    discard();
    FileFailure failure{step, error, kind_};
    failure.oldContentGone = emptied_;
    return failure;
}

FileFailure AtomicFile::failCreate(std::error_code error) {
    FileFailure failure = fail(FileFailure::Step::create, error);
    if (error == std::errc::no_such_file_or_directory) {
        TargetInfo folder;
        failure.folderMissing =
            files_.inspect(folderOf(target_), folder) || folder.kind != TargetInfo::Kind::folder;
    }
    return failure;
}

FileFailure AtomicFile::open() {
    TargetInfo info;
    if (const std::error_code error = files_.inspect(target_, info))
        return fail(FileFailure::Step::target, error);
    kind_ = info.kind;
    switch (info.kind) {
    case TargetInfo::Kind::folder:
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::is_a_directory));
    case TargetInfo::Kind::other:
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::invalid_argument));
    case TargetInfo::Kind::device:
        if (info.writeError)
            return fail(FileFailure::Step::target, info.writeError);
        target_ = info.resolved;
        return openInPlace(Way::stream);
    case TargetInfo::Kind::missing:
        if (!info.resolved.has_filename())
            return fail(FileFailure::Step::target,
                        std::make_error_code(std::errc::invalid_argument));
        break;
    case TargetInfo::Kind::file:
        if (info.writeError)
            return fail(FileFailure::Step::target, info.writeError);
        break;
    }
    target_ = info.resolved;
    const bool existing = info.kind == TargetInfo::Kind::file;
    if (existing && info.links > 1) // a replacement would part this name from the others
        return openInPlace(Way::inPlace);

    std::error_code error = files_.createUnnamed(folderOf(target_), handle_);
    if (error) // no unnamed files here: a named one, removed on every way out that allows it
        error = createNamed();
    if (error) {
        if (existing && folderRefuses(error))
            return openInPlace(Way::inPlace);
        return failCreate(error);
    }
    open_ = true;
    error = existing ? files_.setAccess(handle_, info.permissions, info.owner)
                     : files_.setAccess(handle_, ownerOnly, std::nullopt);
    if (error) {
        if (existing && (error == std::errc::operation_not_permitted ||
                         error == std::errc::permission_denied)) // the owner cannot be kept
            return openInPlace(Way::inPlace);
        return fail(FileFailure::Step::create, error);
    }
    return {};
}

std::error_code AtomicFile::createNamed() {
    std::random_device entropy;
    std::error_code error;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        temporary_ = temporaryBeside(target_, entropy());
        error = files_.createNew(temporary_, handle_);
        if (error != std::errc::file_exists)
            break;
    }
    if (error)
        temporary_.clear();
    return error;
}

FileFailure AtomicFile::openInPlace(Way way) {
    discard();
    way_ = way;
    if (const std::error_code error = files_.openExisting(target_, handle_))
        return fail(FileFailure::Step::open, error);
    open_ = true;
    return {};
}

FileFailure AtomicFile::reserve(std::uintmax_t size) {
    if (reserved_)
        return {};
    reserved_ = true;
    if (way_ != Way::inPlace)
        return {};
    std::uintmax_t room = 0;
    if (const std::error_code error = files_.room(target_, room))
        return fail(FileFailure::Step::space, error);
    if (room < size)
        return fail(FileFailure::Step::space, std::make_error_code(std::errc::no_space_on_device));
    if (const std::error_code error = files_.truncate(handle_))
        return fail(FileFailure::Step::write, error);
    emptied_ = true;
    return {};
}

FileFailure AtomicFile::write(const char* data, std::size_t size) {
    if (FileFailure failure = reserve(0)) // a caller that announced nothing
        return failure;
    if (const std::error_code error = files_.write(handle_, data, size))
        return fail(FileFailure::Step::write, error);
    return {};
}

std::error_code AtomicFile::linkUnnamed() {
    std::random_device entropy;
    std::error_code error;
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        temporary_ = temporaryBeside(target_, entropy());
        error = files_.link(handle_, temporary_);
        if (error != std::errc::file_exists)
            break;
    }
    if (error)
        temporary_.clear();
    return error;
}

FileFailure AtomicFile::commit() {
    if (FileFailure failure = reserve(0))
        return failure;
    // A device or pipe has nothing to flush to a disk.
    if (way_ != Way::stream) {
        if (const std::error_code error = files_.sync(handle_))
            return fail(FileFailure::Step::finish, error);
    }
    // The content is complete and on the disk: only now does it get a name.
    if (way_ == Way::replace && temporary_.empty()) {
        if (const std::error_code error = linkUnnamed())
            return fail(FileFailure::Step::replace, error);
    }
    open_ = false;
    if (const std::error_code error = files_.close(handle_))
        return fail(FileFailure::Step::finish, error);
    if (way_ == Way::replace) {
        if (const std::error_code error = files_.replace(temporary_, target_))
            return fail(FileFailure::Step::replace, error);
        temporary_.clear();
    }
    return {};
}

FileFailure AtomicFile::stop() {
    if (!emptied_) {
        discard();
        return {};
    }
    return fail(FileFailure::Step::write, std::make_error_code(std::errc::operation_canceled));
}

void AtomicFile::discard() noexcept {
    if (open_) {
        files_.abandon(handle_);
        open_ = false;
    }
    if (!temporary_.empty()) {
        files_.remove(temporary_);
        temporary_.clear();
    }
}

} // namespace quentara
