// SPDX-License-Identifier: GPL-3.0-or-later
// Times the batch file run that the File Generator tab makes, through the same code:
// quantity and length readers, the composer, the paced progress reports and the file writer.
// Then it times the program itself printing to nowhere, "quentara password --length 16
// --count N > /dev/null", start-up included. Where pwgen is installed it times
// "pwgen -s -1 16 N" too and prints the ratios.
//
// Usage: quentara-bench [--lines N] [--dir FOLDER] [--quentara PROGRAM] [--no-pwgen]
// Last line: lines_per_s=N pwgen_ratio=R peak_rss_kb=M command_lines_per_s=C
//            command_pwgen_ratio=Q

#include "about/program_search.h"
#include "batch/batch_file.h"
#include "generators/number_length.h"
#include "generators/number_quantity.h"
#include "generators/password_composer.h"
#include "generators/secure_random.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
// <windows.h> first: <psapi.h> uses its types without including it.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on
#else
#include <sys/resource.h>
#endif

namespace {

using namespace quentara;
using Clock = std::chrono::steady_clock;

long peakRssKb() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // kilobytes on Linux
#endif
}

std::optional<std::string> findPwgen() {
#ifdef _WIN32
    return std::nullopt;
#else
    const char* path = std::getenv("PATH");
    return findProgram("pwgen", path != nullptr ? path : "");
#endif
}

int usage() {
    std::fputs(
        "usage: quentara-bench [--lines N] [--dir FOLDER] [--quentara PROGRAM] [--no-pwgen]\n",
        stderr);
    return 2;
}

#ifdef _WIN32
constexpr const char* toNowhere = " > NUL";
#else
constexpr const char* toNowhere = " > /dev/null";
#endif

// Processor seconds used by the finished child processes so far; 0 where not known. On a
// machine shared with other work this is steadier than the time on the clock.
double childProcessorSeconds() {
#ifdef _WIN32
    return 0;
#else
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
#endif
}

struct CommandTime {
    double seconds = 0;          // on the clock
    double processorSeconds = 0; // user and system time of the command (and its shell)
};

// Runs `command` through the shell; its times, or nothing when it failed.
std::optional<CommandTime> timeCommand(const std::string& command) {
    const double processorStart = childProcessorSeconds();
    const Clock::time_point start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (status != 0) {
        std::printf("failed (status %d): %s\n", status, command.c_str());
        return std::nullopt;
    }
    return CommandTime{seconds, childProcessorSeconds() - processorStart};
}

void printCommandTime(const char* what, const std::string& quantityText, std::uint64_t lines,
                      const CommandTime& time) {
    std::printf("%s %s > /dev/null: %.3f s: %.0f lines/s (processor time %.3f s: %.0f lines/s)\n",
                what, quantityText.c_str(), time.seconds, static_cast<double>(lines) / time.seconds,
                time.processorSeconds,
                time.processorSeconds > 0 ? static_cast<double>(lines) / time.processorSeconds : 0);
}

std::string ratioText(double ratio) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", ratio);
    return buffer;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string quantityText = "1000000";
    std::filesystem::path folder = std::filesystem::temp_directory_path();
    bool pwgen = true;
    std::string program = QUENTARA_EXE;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--lines" && i + 1 < argc)
            quantityText = argv[++i];
        else if (arg == "--dir" && i + 1 < argc)
            folder = argv[++i];
        else if (arg == "--quentara" && i + 1 < argc)
            program = argv[++i];
        else if (arg == "--no-pwgen")
            pwgen = false;
        else
            return usage();
    }

    // The same readings the window makes of its quantity and length boxes.
    const QuantityReading quantity = readQuantityText(quantityText);
    if (quantity.problem != QuantityProblem::none) {
        std::fprintf(stderr, "%s\n",
                     quantityProblemMessage(quantity.problem, quantityText).c_str());
        return 2;
    }
    const LengthReading length = readLengthText("16");
    const ClassTicks ticks{true, true, true, true};
    if (!startSecureRandom()) {
        std::fputs("the secure random source is unavailable\n", stderr);
        return 1;
    }
    SecureRandom random;

    const std::filesystem::path target = folder / "quentara-bench.txt";
    SystemFileLayer files;
    std::uint64_t reports = 0;
    std::uint64_t shown = 0;
    ProgressPacer pacer(quantity.value, [&](std::uint64_t line) {
        ++reports;
        shown = line;
        return true;
    });
    const Clock::time_point start = Clock::now();
    const BatchOutcome outcome = writeBatchFile(
        files, target, quantity.value,
        [&](std::string& line) { appendPassword(line, length.value, ticks, random); }, pacer);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const long rss = peakRssKb();
    if (outcome.status != BatchOutcome::Status::written) {
        std::fprintf(stderr, "writing %s failed: %s\n", target.string().c_str(),
                     outcome.failure.error.message().c_str());
        return 1;
    }
    std::error_code ignored;
    const auto bytes = std::filesystem::file_size(target, ignored);
    std::filesystem::remove(target, ignored);

    const double linesPerSecond = static_cast<double>(quantity.value) / seconds;
    std::printf("quentara: %llu lines (%llu bytes) in %.3f s: %.0f lines/s; %llu progress "
                "reports, last at line %llu\n",
                static_cast<unsigned long long>(quantity.value),
                static_cast<unsigned long long>(bytes), seconds, linesPerSecond,
                static_cast<unsigned long long>(reports), static_cast<unsigned long long>(shown));
    std::printf("peak memory: %ld kB\n", rss);

    // The command line as a user's script runs it: a whole process, writing to a pipe or file.
    double commandPerSecond = 0;
    const std::string passwordCommand =
        "\"" + program + "\" password --length 16 --count " + quantityText + toNowhere;
    if (const std::optional<CommandTime> time = timeCommand(passwordCommand)) {
        commandPerSecond = static_cast<double>(quantity.value) / time->seconds;
        printCommandTime("quentara password --length 16 --count", quantityText, quantity.value,
                         *time);
    }

    std::string ratio = "n/a";
    std::string commandRatio = "n/a";
    const std::optional<std::string> pwgenPath = pwgen ? findPwgen() : std::nullopt;
    if (pwgenPath) {
        const std::string command = "\"" + *pwgenPath + "\" -s -1 16 " + quantityText + toNowhere;
        if (const std::optional<CommandTime> time = timeCommand(command)) {
            const double pwgenPerSecond = static_cast<double>(quantity.value) / time->seconds;
            printCommandTime("pwgen -s -1 16", quantityText, quantity.value, *time);
            ratio = ratioText(linesPerSecond / pwgenPerSecond);
            if (commandPerSecond > 0)
                commandRatio = ratioText(commandPerSecond / pwgenPerSecond);
        }
    } else {
        std::printf("pwgen: %s\n", pwgen ? "not installed" : "skipped");
    }
    std::printf("lines_per_s=%.0f pwgen_ratio=%s peak_rss_kb=%ld command_lines_per_s=%.0f "
                "command_pwgen_ratio=%s\n",
                linesPerSecond, ratio.c_str(), rss, commandPerSecond, commandRatio.c_str());
    return 0;
}
