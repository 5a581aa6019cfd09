// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_run.h"

#include "app/command_console.h"
#include "app/command_help.h"
#include "app/command_table.h"
#include "app/exit_codes.h"
#include "app/grapheme_boundaries.h"
#include "app/stop_signals.h"
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "batch/output_blocks.h"
#include "generators/hex_string.h"
#include "generators/secure_random.h"
#include "generators/text_scan.h"
#include "generators/username.h"
#include "program_info.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <system_error>

namespace quentara {
namespace {

// Standard output with every failure seen: a full disk must not pass for success.
bool writeOut(std::FILE* out, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
}

int finishOutput(CommandStreams streams, bool written) {
    if (written && std::fflush(streams.out) == 0)
        return exitDone;
    const int error = errno;
    std::fprintf(streams.err, "Writing the output failed (%s).\n",
                 std::generic_category().message(error).c_str());
    return exitNotWritten;
}

int printLine(CommandStreams streams, const std::string& text) {
    return finishOutput(streams, writeOut(streams.out, text) && writeOut(streams.out, "\n"));
}

// "Writing passwords.txt: 42% (420000 of 1000000 lines)", rewritten in place. The name's
// control characters are shown, not sent: the line goes to a terminal.
void showProgress(std::FILE* err, const FileRequest& request, std::uint64_t line) {
    const std::uint64_t done = line - 1; // the line reported is about to be made
    std::fprintf(err, "\rWriting %s: %llu%% (%llu of %llu lines)",
                 withControlsShown(request.fileName).c_str(),
                 static_cast<unsigned long long>(done * 100 / request.quantity),
                 static_cast<unsigned long long>(done),
                 static_cast<unsigned long long>(request.quantity));
}

} // namespace

int printPasswords(const CommandRequest& command, CommandStreams streams, RandomSource& random) {
    const auto& request = std::get<PasswordRequest>(command);
    OutputBlocks blocks([&](std::string_view block) { return writeOut(streams.out, block); });
    bool written = true;
    for (std::uint64_t i = 0; i < request.count && written; ++i) {
        appendPassword(blocks.buffer(), request.rule.length, request.rule.ticks, random);
        blocks.buffer() += '\n';
        written = blocks.writeWhenFull();
    }
    return finishOutput(streams, written && blocks.writeAll());
}

int writeFile(const CommandRequest& command, CommandStreams streams, RandomSource& random) {
    const auto& request = std::get<FileRequest>(command);
    const bool onTerminal = isTerminal(streams.err);
    SystemFileLayer files;
    const StopOnSignals stopOnSignals;
    ProgressPacer pacer(
        request.quantity,
        [&](std::uint64_t line) {
            if (onTerminal)
                showProgress(streams.err, request, line);
            return StopOnSignals::caught() == 0;
        },
        std::chrono::milliseconds(100));
    const PasswordAppender password = [&](std::string& line) {
        appendPassword(line, request.rule.length, request.rule.ticks, random);
    };
    const BatchOutcome outcome =
        writeBatchFile(files, request.path, request.quantity, password, pacer);
    if (onTerminal) {
        if (outcome.status == BatchOutcome::Status::written)
            showProgress(streams.err, request, request.quantity + 1);
        std::fputc('\n', streams.err);
    }
    switch (outcome.status) {
    case BatchOutcome::Status::written:
        if (outcome.ownerOnlyRefused)
            std::fprintf(streams.err, "%s\n", batchOwnerOnlyNotice(request.fileName).c_str());
        return exitDone;
    case BatchOutcome::Status::failed:
        std::fprintf(streams.err, "%s\n",
                     batchFailureMessage(request.fileName, outcome.failure).c_str());
        return exitNotWritten;
    case BatchOutcome::Status::stopped:
        break;
    }
    // The new file is gone and the old one untouched; now end as the signal asked.
    std::fprintf(streams.err, "%s\n",
                 batchNotWrittenMessage(request.fileName, "The run was interrupted.").c_str());
    std::signal(StopOnSignals::caught(), SIG_DFL);
    std::raise(StopOnSignals::caught());
    return exitNotWritten;
}

int printHex(const CommandRequest& request, CommandStreams streams, RandomSource& random) {
    return printLine(streams, composeHexString(std::get<HexRequest>(request).bitsItem, random));
}

int printUsername(const CommandRequest& request, CommandStreams streams, RandomSource& random) {
    const auto& names = std::get<UsernameRequest>(request);
    return printLine(
        streams, composeUsername(names.firstName, names.lastName, GraphemeBoundaries(), random));
}

int runCommand(const CommandRequest& request, CommandStreams streams) {
    if (std::holds_alternative<HelpRequest>(request))
        return finishOutput(streams, writeOut(streams.out, usageText()));
    if (std::holds_alternative<VersionRequest>(request))
        return printLine(streams, std::string(programName) + " " + programVersion);
    // Passwords are only ever drawn from the operating system's secure source.
    if (!startSecureRandom()) {
        std::fputs("Quentara cannot start: the operating system's secure random source is not "
                   "available.\n",
                   streams.err);
        return exitNotWritten;
    }
    SecureRandom random;
    for (const Command& command : commandTable())
        if (command.start().index() == request.index())
            return command.run(request, streams, random);
    return exitDone;
}

} // namespace quentara
