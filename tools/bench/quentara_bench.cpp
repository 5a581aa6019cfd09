// Times the batch file run that the File Generator tab makes, through the same code:
// quantity and length readers, the composer, the paced progress reports and the file writer.
// Where pwgen is installed it times "pwgen -s -1 16 N" too and prints the ratio.
//
// Usage: quentara-bench [--lines N] [--dir FOLDER] [--no-pwgen]
// Last line: lines_per_s=N pwgen_ratio=R peak_rss_kb=M

#include "about/program_search.h"
#include "batch/batch_file.h"
#include "batch/quantity_text.h"
#include "generators/length_text.h"
#include "generators/password_composer.h"
#include "generators/random.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <psapi.h>
#include <windows.h>
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
    std::fputs("usage: quentara-bench [--lines N] [--dir FOLDER] [--no-pwgen]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string quantityText = "1000000";
    std::filesystem::path folder = std::filesystem::temp_directory_path();
    bool pwgen = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--lines" && i + 1 < argc)
            quantityText = argv[++i];
        else if (arg == "--dir" && i + 1 < argc)
            folder = argv[++i];
        else if (arg == "--no-pwgen")
            pwgen = false;
        else
            return usage();
    }

    // The same readings the window makes of its quantity and length boxes.
    const QuantityReading quantity = ReadQuantityText(quantityText);
    if (quantity.problem != QuantityProblem::none) {
        std::fprintf(stderr, "%s\n", QuantityProblemText(quantity.problem, quantityText).c_str());
        return 2;
    }
    const LengthReading length = ReadLengthText("16");
    const ClassTicks ticks{true, true, true, true};
    if (!StartSecureRandom()) {
        std::fputs("the secure random source is unavailable\n", stderr);
        return 1;
    }

    const std::filesystem::path target = folder / "quentara-bench.txt";
    SystemFileLayer files;
    std::uint64_t reports = 0;
    std::uint64_t shown = 0;
    ProgressPacer pacer(quantity.quantity, [&](std::uint64_t line) {
        ++reports;
        shown = line;
        return true;
    });
    const Clock::time_point start = Clock::now();
    const BatchOutcome outcome = WriteBatchFile(
        files, target, quantity.quantity,
        [&](std::string& line) { AppendPassword(line, length.length, ticks); }, pacer);
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

    const double linesPerSecond = static_cast<double>(quantity.quantity) / seconds;
    std::printf("quentara: %llu lines (%llu bytes) in %.3f s: %.0f lines/s; %llu progress "
                "reports, last at line %llu\n",
                static_cast<unsigned long long>(quantity.quantity),
                static_cast<unsigned long long>(bytes), seconds, linesPerSecond,
                static_cast<unsigned long long>(reports), static_cast<unsigned long long>(shown));
    std::printf("peak memory: %ld kB\n", rss);

    std::string ratio = "n/a";
    const std::optional<std::string> pwgenPath = pwgen ? findPwgen() : std::nullopt;
    if (pwgenPath) {
        std::string command(1, '"');
        command += *pwgenPath;
        command += "\" -s -1 16 " + quantityText + " > /dev/null";
        const Clock::time_point pwgenStart = Clock::now();
        const int status = std::system(command.c_str());
        const double pwgenSeconds =
            std::chrono::duration<double>(Clock::now() - pwgenStart).count();
        if (status == 0) {
            const double pwgenPerSecond = static_cast<double>(quantity.quantity) / pwgenSeconds;
            std::printf("pwgen -s -1 16 %s: %.3f s: %.0f lines/s\n", quantityText.c_str(),
                        pwgenSeconds, pwgenPerSecond);
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.1f", linesPerSecond / pwgenPerSecond);
            ratio = buffer;
        } else {
            std::printf("pwgen failed (status %d)\n", status);
        }
    } else {
        std::printf("pwgen: %s\n", pwgen ? "not installed" : "skipped");
    }
    std::printf("lines_per_s=%.0f pwgen_ratio=%s peak_rss_kb=%ld\n", linesPerSecond, ratio.c_str(),
                rss);
    return 0;
}
