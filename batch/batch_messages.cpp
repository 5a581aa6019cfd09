// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_messages.h"

#include "generators/text_scan.h"

#include <cerrno>

namespace quentara {
namespace {

bool diskFull(const std::error_code& error) {
#ifdef EDQUOT
    if (error.category() == std::generic_category() && error.value() == EDQUOT)
        return true;
#endif
    return error == std::errc::no_space_on_device;
}

bool refused(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

// The reasons any step may meet; empty when the step has to say it in its own words.
std::string commonReason(const std::error_code& error) {
    if (diskFull(error))
        return "The disk is full.";
    if (error == std::errc::read_only_file_system)
        return "The disk is read-only.";
    if (error == std::errc::filename_too_long)
        return "The name is too long.";
    if (error == std::errc::is_a_directory)
        return "The name is that of a folder, not of a file.";
    if (error == std::errc::not_a_directory)
        return "A part of the path is not a folder.";
    if (error == std::errc::io_error)
        return "The disk reported an error.";
    if (error == std::errc::no_such_device_or_address)
        return "No program is reading from that pipe.";
    if (error == std::errc::operation_canceled)
        return "The run was stopped before the end.";
    if (error == std::errc::broken_pipe)
        return "The program reading from that pipe stopped reading.";
    return {};
}

// Why the target itself is refused; empty when it is not.
std::string targetReason(const FileFailure& failure) {
    const std::error_code& error = failure.error;
    if (error == TargetRefusal::othersLink)
        return "The name is a link that another user made in a folder where everyone may make "
               "files; such a link is not followed.";
    if (error == TargetRefusal::othersFile)
        return "The file belongs to another user and lies in a folder where everyone may make "
               "files.";
    if (error == TargetRefusal::swapped)
        return "Something else took the file's place while it was being opened.";
    // Only naming a file tells of the name: later, /proc and /sys files refuse content so.
    const bool naming =
        failure.step == FileFailure::Step::target || failure.step == FileFailure::Step::create;
    if (naming &&
        (error == std::errc::invalid_argument || error == std::errc::illegal_byte_sequence))
        return "The name is not a valid file name.";
    return {};
}

} // namespace

std::string fileFailureText(const FileFailure& failure) {
    const std::error_code& error = failure.error;
    if (std::string reason = targetReason(failure); !reason.empty())
        return reason;
    if (failure.step == FileFailure::Step::lock &&
        error == std::errc::resource_unavailable_try_again)
        return "Another run is writing that file.";
    if (failure.step == FileFailure::Step::target) {
        if (failure.kind == TargetInfo::Kind::folder)
            return "The name is that of a folder, not of a file.";
        if (failure.kind == TargetInfo::Kind::other)
            return "The name is that of a device or other special file, not of a text file.";
        if (refused(error))
            return "You have no permission to change that file.";
    }
    if (failure.step == FileFailure::Step::space && diskFull(error))
        return "The disk has too little free space for the new file.";
    if (failure.step == FileFailure::Step::space && error == std::errc::file_too_large)
        return "The new file would be larger than the file size limit allows.";
    if (std::string reason = commonReason(error); !reason.empty())
        return reason;
    switch (failure.step) {
    case FileFailure::Step::none:
        return {};
    case FileFailure::Step::target:
        return "The file could not be examined (" + error.message() + ").";
    case FileFailure::Step::create:
        if (error == std::errc::no_such_file_or_directory)
            return failure.folderMissing ? "Its folder does not exist."
                                         : "Its folder does not take new files.";
        if (refused(error))
            return "You have no permission to write in its folder.";
        return "The file could not be created (" + error.message() + ").";
    case FileFailure::Step::open:
    case FileFailure::Step::lock:
        if (refused(error))
            return "You have no permission to change that file.";
        return "The file could not be opened (" + error.message() + ").";
    case FileFailure::Step::space:
        return "The free space on its disk could not be found out (" + error.message() + ").";
    case FileFailure::Step::write:
    case FileFailure::Step::finish:
        return "Writing failed (" + error.message() + ").";
    case FileFailure::Step::replace:
        if (refused(error))
            return "You have no permission to replace that file.";
        if (error == std::errc::device_or_resource_busy)
            return "The file is in use.";
        return "The file could not be replaced (" + error.message() + ").";
    }
    return {};
}

std::string batchNotWrittenMessage(std::string_view fileName, std::string_view reason) {
    return "The file \"" + withControlsShown(fileName) +
           "\" was not written, and nothing on disk " + "was changed.\n" + std::string(reason);
}

std::string batchFailureMessage(std::string_view fileName, const FileFailure& failure) {
    const std::string reason = fileFailureText(failure);
    const bool written =
        failure.step == FileFailure::Step::write || failure.step == FileFailure::Step::finish;
    std::string message;
    if (failure.oldContentGone)
        message.append("The file \"")
            .append(withControlsShown(fileName))
            .append("\" was not written to the end, and what it held before is gone.\n");
    else if (failure.kind == TargetInfo::Kind::device && written)
        message.append("Writing to \"")
            .append(withControlsShown(fileName))
            .append("\" stopped before the end.\n");
    else
        return batchNotWrittenMessage(fileName, reason);
    return message.append(reason);
}

std::string batchWrittenNote(std::string_view fileName, std::uint64_t quantity) {
    return "The file \"" + withControlsShown(fileName) +
           "\" was written: " + std::to_string(quantity) +
           (quantity == 1 ? " password." : " passwords.");
}

std::string batchOwnerOnlyNotice(std::string_view fileName) {
    return "The file \"" + withControlsShown(fileName) +
           "\" was written, but its file system cannot make it readable by its owner only.";
}

} // namespace quentara
