// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_file.h"

#include "batch/output_blocks.h"
#include "batch/saturated.h"

#include <charconv>
#include <string_view>

namespace quentara {
namespace {

// A line: the head, its number (never negative, so no sign), the gap, the password, the end.
// CR LF on every platform: the file format fixes its line ends.
struct LineFormat {
    static constexpr std::string_view head = "nr. ";
    static constexpr std::string_view gap = "    ";
    static constexpr std::string_view end = "\r\n";
    // Every line's bytes besides its number and password.
    static constexpr std::uint64_t fixedBytes = head.size() + gap.size() + end.size();
};

// Everything before the password, gathered first and appended at once: one append a line.
void appendLineHead(std::string& out, std::uint64_t number) {
    char head[LineFormat::head.size() + 20 + LineFormat::gap.size()]; // 20 digits hold any number
    char* at = LineFormat::head.copy(head, LineFormat::head.size()) + head;
    at = std::to_chars(at, at + 20, number).ptr;
    at += LineFormat::gap.copy(at, LineFormat::gap.size());
    out.append(head, at);
}

BatchOutcome stopped(AtomicFile& file) {
    if (FileFailure failure = file.stop()) // written in place: the old content is gone
        return {BatchOutcome::Status::failed, failure};
    return {BatchOutcome::Status::stopped, {}};
}

// A write that a stop ended while it waited for a slow reader is a stop like any other.
BatchOutcome failed(const FileFailure& failure) {
    if (failure.error == std::errc::operation_canceled && !failure.oldContentGone)
        return {BatchOutcome::Status::stopped, {}};
    return {BatchOutcome::Status::failed, failure};
}

} // namespace

std::uintmax_t batchFileSize(std::uint64_t quantity, std::uint64_t passwordLength) {
    std::uintmax_t size =
        saturatedProduct(quantity, saturatedSum(LineFormat::fixedBytes, passwordLength));
    // The numbers: 9 of one digit, 90 of two, 900 of three, ... up to the quantity.
    std::uint64_t first = 1; // the first number with `digits` digits
    for (std::uint64_t digits = 1; first <= quantity; ++digits) {
        const std::uint64_t last = first > quantity / 10 ? quantity : first * 10 - 1;
        size = saturatedSum(size, saturatedProduct(last - first + 1, digits));
        if (last == quantity)
            break;
        first *= 10;
    }
    return size;
}

BatchOutcome writeBatchFile(FileLayer& files, const std::filesystem::path& target,
                            std::uint64_t quantity, const PasswordAppender& appendPassword,
                            ProgressPacer& progress) {
    AtomicFile file(files, target);
    if (FileFailure failure = file.open())
        return failed(failure);

    std::uint64_t number = 1;
    const KeepWaiting keepWaiting = [&] { return progress.whileWaiting(number); };
    FileFailure writeFailure;
    OutputBlocks blocks([&](std::string_view block) {
        writeFailure = file.write(block.data(), block.size(), keepWaiting);
        return !writeFailure;
    });
    std::string& buffer = blocks.buffer();
    for (; number <= quantity; ++number) {
        if (!progress.proceed(number))
            return stopped(file);
        appendLineHead(buffer, number);
        const std::size_t passwordStart = buffer.size();
        appendPassword(buffer);
        if (number == 1) {
            const std::uint64_t passwordLength = buffer.size() - passwordStart;
            if (FileFailure failure = file.reserve(batchFileSize(quantity, passwordLength)))
                return failed(failure);
        }
        for (const char endByte : LineFormat::end) // two bytes: no library call
            buffer.push_back(endByte);
        if (!blocks.writeWhenFull())
            return failed(writeFailure);
    }
    if (!blocks.writeAll())
        return failed(writeFailure);
    if (FileFailure failure = file.commit())
        return failed(failure);
    BatchOutcome outcome;
    outcome.ownerOnlyRefused = file.ownerOnlyRefused();
    return outcome;
}

} // namespace quentara
