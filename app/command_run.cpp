// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_run.h"

#include "app/command_line.h"
#include "app/grapheme_boundaries.h"
#include "app/stop_signals.h"
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "batch/output_blocks.h"
#include "generators/hex_string.h"
#include "generators/random.h"
#include "generators/text_scan.h"
#include "generators/username.h"
#include "program_info.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define QUENTARA_ISATTY _isatty
#define QUENTARA_FILENO _fileno
#else
#include <unistd.h>
#define QUENTARA_ISATTY isatty
#define QUENTARA_FILENO fileno
#endif

namespace quentara {
namespace {

constexpr const char* usageText =
    "Usage: quentara [COMMAND [ARGUMENTS]]\n"
    "Without a command, Quentara opens its window; Qt's own options, such as\n"
    "-platform NAME, -style NAME or -reverse, go to the window.\n"
    "\n"
    "Commands:\n"
    "  password [--length N] [--classes LIST] [--count N]\n"
    "      Prints passwords, one a line. Defaults: length 6, all four classes, one password.\n"
    "  file PATH [--quantity N] [--length N] [--classes LIST]\n"
    "      Writes the numbered password file, as the File Generator tab does.\n"
    "      Defaults: 5000 lines, length 8, all four classes.\n"
    "  hex BITS\n"
    "      Prints a random hex string of BITS bits: 4, 8, 16, 32, 64, 128, 256, 512, 1024,\n"
    "      2048, 4096 or 8192.\n"
    "  username FIRST LAST\n"
    "      Prints a user name: two characters of FIRST, three of LAST and two random digits.\n"
    "\n"
    "LIST names the character classes, separated by commas: upper,lower,digits,symbols.\n"
    "Options take their value as the next argument or after \"=\" (--length=16); after \"--\"\n"
    "every argument is a value, so a name may begin with \"-\".\n"
    "  --help      shows this text\n"
    "  --version   shows the program's name and version\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 a bad argument.\n";

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

int printPasswords(const CommandRequest& request, CommandStreams streams) {
    OutputBlocks blocks([&](std::string_view block) { return writeOut(streams.out, block); });
    bool written = true;
    for (std::uint64_t i = 0; i < request.count && written; ++i) {
        appendPassword(blocks.buffer(), request.length, request.ticks);
        blocks.buffer() += '\n';
        written = blocks.writeWhenFull();
    }
    return finishOutput(streams, written && blocks.writeAll());
}

// "Writing passwords.txt: 42% (420000 of 1000000 lines)", rewritten in place. The name's
// control characters are shown, not sent: the line goes to a terminal.
void showProgress(std::FILE* err, const CommandRequest& request, std::uint64_t line) {
    const std::uint64_t done = line - 1; // the line reported is about to be made
    std::fprintf(err, "\rWriting %s: %llu%% (%llu of %llu lines)",
                 withControlsShown(request.fileName).c_str(),
                 static_cast<unsigned long long>(done * 100 / request.count),
                 static_cast<unsigned long long>(done),
                 static_cast<unsigned long long>(request.count));
}

int writeFile(const CommandRequest& request, CommandStreams streams) {
    const bool onTerminal = QUENTARA_ISATTY(QUENTARA_FILENO(streams.err)) != 0;
    SystemFileLayer files;
    const StopOnSignals stopOnSignals;
    ProgressPacer pacer(
        request.count,
        [&](std::uint64_t line) {
            if (onTerminal)
                showProgress(streams.err, request, line);
            return StopOnSignals::caught() == 0;
        },
        std::chrono::milliseconds(100));
    const PasswordAppender password = [&](std::string& line) {
        appendPassword(line, request.length, request.ticks);
    };
    const BatchOutcome outcome =
        writeBatchFile(files, request.path, request.count, password, pacer);
    if (onTerminal) {
        if (outcome.status == BatchOutcome::Status::written)
            showProgress(streams.err, request, request.count + 1);
        std::fputc('\n', streams.err);
    }
    switch (outcome.status) {
    case BatchOutcome::Status::written:
        if (outcome.ownerOnlyRefused)
            std::fprintf(stderr, "%s\n", batchOwnerOnlyNotice(request.fileName).c_str());
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

int printLine(CommandStreams streams, const std::string& text) {
    return finishOutput(streams, writeOut(streams.out, text) && writeOut(streams.out, "\n"));
}

} // namespace

int runCommand(const CommandRequest& request, CommandStreams streams) {
    switch (request.kind) {
    case CommandRequest::Kind::help:
        return finishOutput(streams, writeOut(streams.out, usageText));
    case CommandRequest::Kind::version:
        return printLine(streams, std::string(programName) + " " + programVersion);
    default:
        break;
    }
    // Passwords are only ever drawn from the operating system's secure source.
    if (!startSecureRandom()) {
        std::fputs("Quentara cannot start: the operating system's secure random source is not "
                   "available.\n",
                   streams.err);
        return exitNotWritten;
    }
    switch (request.kind) {
    case CommandRequest::Kind::password:
        return printPasswords(request, streams);
    case CommandRequest::Kind::file:
        return writeFile(request, streams);
    case CommandRequest::Kind::hex:
        return printLine(streams, composeHexString(request.bitsItem));
    case CommandRequest::Kind::username:
        return printLine(
            streams, composeUsername(request.firstName, request.lastName, GraphemeBoundaries()));
    case CommandRequest::Kind::help:
    case CommandRequest::Kind::version:
        break;
    }
    return exitDone;
}

} // namespace quentara
