#include "batch/atomic_file.h"

#include <cstdio>
#include <random>

namespace quentara {
namespace {

constexpr unsigned ownerOnly = 0600;

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

} // namespace

AtomicFile::AtomicFile(FileLayer& files, std::filesystem::path target)
    : files_(files), target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
    discard();
}

FileFailure AtomicFile::fail(FileFailure::Step step, std::error_code error) {
    discard();
    return FileFailure{step, error, kind_};
}

FileFailure AtomicFile::open() {
    TargetInfo info;
    if (const std::error_code error = files_.inspect(target_, info))
        return fail(FileFailure::Step::target, error);
    kind_ = info.kind;
    if (info.kind == TargetInfo::Kind::missing && !target_.has_filename())
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::invalid_argument));
    if (info.kind == TargetInfo::Kind::folder)
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::is_a_directory));
    if (info.kind == TargetInfo::Kind::other)
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::invalid_argument));
    if (info.kind == TargetInfo::Kind::file && !info.writable)
        return fail(FileFailure::Step::target, std::make_error_code(std::errc::permission_denied));
    target_ = info.resolved;
    const unsigned permissions = info.kind == TargetInfo::Kind::file ? info.permissions : ownerOnly;

    std::random_device entropy;
    std::error_code error;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary_ = temporaryBeside(target_, entropy());
        error = files_.createNew(temporary_, permissions, handle_);
        if (error != std::errc::file_exists)
            break;
    }
    if (error) {
        temporary_.clear();
        return fail(FileFailure::Step::create, error);
    }
    open_ = true;
    return {};
}

FileFailure AtomicFile::write(const char* data, std::size_t size) {
    if (const std::error_code error = files_.write(handle_, data, size))
        return fail(FileFailure::Step::write, error);
    return {};
}

FileFailure AtomicFile::commit() {
    open_ = false;
    if (const std::error_code error = files_.finish(handle_)) {
        discard();
        return FileFailure{FileFailure::Step::finish, error, kind_};
    }
    if (const std::error_code error = files_.replace(temporary_, target_))
        return fail(FileFailure::Step::replace, error);
    temporary_.clear();
    return {};
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
