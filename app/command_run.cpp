// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_run.h"

#include "app/command_line.h"
#include "app/grapheme_boundaries.h"
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "generators/hex_string.h"
#include "generators/username.h"

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

constexpr std::size_t blockSize = 1 << 18; // output goes out in blocks, as the batch file does

// Standard output with every failure seen: a full disk must not pass for success.
bool writeOut(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

int finishOutput(bool written) {
    if (written && std::fflush(stdout) == 0)
        return exitDone;
    const int error = errno;
    std::fprintf(stderr, "Writing the output failed (%s).\n",
                 std::generic_category().message(error).c_str());
    return exitNotWritten;
}

int printPasswords(const CommandRequest& request) {
    std::string buffer;
    buffer.reserve(blockSize + static_cast<std::size_t>(request.length) + 1);
    bool written = true;
    for (std::uint64_t i = 0; i < request.count && written; ++i) {
        appendPassword(buffer, request.length, request.ticks);
        buffer += '\n';
        if (buffer.size() >= blockSize) {
            written = writeOut(buffer);
            buffer.clear();
        }
    }
    return finishOutput(written && writeOut(buffer));
}

// A stop asked for by Ctrl+C or a termination request: the run drops its new file first.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
    stopSignal = signal;
}

class StopOnSignals {
public:
    StopOnSignals() {
        for (std::size_t i = 0; i < std::size(signals_); ++i) {
            previous_[i] = std::signal(signals_[i], askToStop);
            if (previous_[i] == SIG_IGN) // started with it ignored (nohup): keep it so
                std::signal(signals_[i], SIG_IGN);
        }
    }
    ~StopOnSignals() {
        for (std::size_t i = 0; i < std::size(signals_); ++i)
            std::signal(signals_[i], previous_[i] == SIG_ERR ? SIG_DFL : previous_[i]);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

private:
#ifdef SIGHUP
    static constexpr int signals_[] = {SIGINT, SIGTERM, SIGHUP};
#else
    static constexpr int signals_[] = {SIGINT, SIGTERM};
#endif
    using Handler = void (*)(int);
    Handler previous_[std::size(signals_)] = {};
};

// "Writing passwords.txt: 42% (420000 of 1000000 lines)", rewritten in place.
void showProgress(const CommandRequest& request, std::uint64_t line) {
    const std::uint64_t done = line - 1; // the line reported is about to be made
    std::fprintf(stderr, "\rWriting %s: %llu%% (%llu of %llu lines)", request.fileName.c_str(),
                 static_cast<unsigned long long>(done * 100 / request.count),
                 static_cast<unsigned long long>(done),
                 static_cast<unsigned long long>(request.count));
}

int writeFile(const CommandRequest& request) {
    const bool onTerminal = QUENTARA_ISATTY(QUENTARA_FILENO(stderr)) != 0;
    SystemFileLayer files;
    const StopOnSignals stopOnSignals;
    ProgressPacer pacer(
        request.count,
        [&](std::uint64_t line) {
            if (onTerminal)
                showProgress(request, line);
            return stopSignal == 0;
        },
        std::chrono::milliseconds(100));
    const PasswordAppender password = [&](std::string& line) {
        appendPassword(line, request.length, request.ticks);
    };
    const BatchOutcome outcome =
        writeBatchFile(files, request.path, request.count, password, pacer);
    if (onTerminal) {
        if (outcome.status == BatchOutcome::Status::written)
            showProgress(request, request.count + 1);
        std::fputc('\n', stderr);
    }
    switch (outcome.status) {
    case BatchOutcome::Status::written:
        if (outcome.ownerOnlyRefused)
            std::fprintf(stderr, "%s\n", batchOwnerOnlyNotice(request.fileName).c_str());
        return exitDone;
    case BatchOutcome::Status::failed:
        std::fprintf(stderr, "%s\n",
                     batchFailureMessage(request.fileName, outcome.failure).c_str());
        return exitNotWritten;
    case BatchOutcome::Status::stopped:
        break;
    }
    // The new file is gone and the old one untouched; now end as the signal asked.
    std::fprintf(stderr, "%s\n",
                 batchNotWrittenMessage(request.fileName, "The run was interrupted.").c_str());
    std::signal(stopSignal, SIG_DFL);
    std::raise(stopSignal);
    return exitNotWritten;
}

int printLine(const std::string& text) {
    return finishOutput(writeOut(text) && writeOut("\n"));
}

} // namespace

int runCommand(const CommandRequest& request) {
    switch (request.kind) {
    case CommandRequest::Kind::password:
        return printPasswords(request);
    case CommandRequest::Kind::file:
        return writeFile(request);
    case CommandRequest::Kind::hex:
        return printLine(composeHexString(request.bitsItem));
    case CommandRequest::Kind::username:
        return printLine(
            composeUsername(request.firstName, request.lastName, GraphemeBoundaries()));
    case CommandRequest::Kind::help:
    case CommandRequest::Kind::version:
        break;
    }
    return exitDone;
}

} // namespace quentara
