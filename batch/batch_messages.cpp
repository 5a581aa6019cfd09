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
    if (error == std::errc::invalid_argument || error == std::errc::illegal_byte_sequence)
        return "The name is not a valid file name.";
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

} // namespace

std::string fileFailureText(const FileFailure& failure) {
    const std::error_code& error = failure.error;
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

} // namespace quentara
