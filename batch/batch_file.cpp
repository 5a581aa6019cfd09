// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_file.h"

#include <charconv>
#include <limits>

namespace quentara {
namespace {

constexpr std::size_t blockSize = 1 << 18; // written when the buffer reaches it
constexpr std::uintmax_t largest = std::numeric_limits<std::uintmax_t>::max();
// "nr.", a blank, four blanks and CR LF: every line's bytes besides its number and password.
constexpr std::uint64_t fixedLineBytes = 3 + 1 + 4 + 2;

void appendNumber(std::string& out, std::uint64_t number) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, result.ptr);
}

// "nr.", the blank before a number that is not negative, the number, the blank after it and
// three more: everything before the password.
void appendLineHead(std::string& out, std::uint64_t number) {
    out += "nr. ";
    appendNumber(out, number);
    out += "    ";
}

std::uintmax_t saturatedSum(std::uintmax_t a, std::uintmax_t b) {
    return a > largest - b ? largest : a + b;
}

std::uintmax_t saturatedProduct(std::uintmax_t a, std::uintmax_t b) {
    return b != 0 && a > largest / b ? largest : a * b;
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
    std::uintmax_t size = saturatedProduct(quantity, saturatedSum(fixedLineBytes, passwordLength));
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

    std::string buffer;
    buffer.reserve(blockSize + (1 << 16));
    std::uint64_t number = 1;
    const KeepWaiting keepWaiting = [&] { return progress.whileWaiting(number); };
    const auto writeBuffer = [&] {
        const FileFailure failure = file.write(buffer.data(), buffer.size(), keepWaiting);
        buffer.clear();
        return failure;
    };
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
        buffer += "\r\n";
        if (buffer.size() >= blockSize) {
            if (FileFailure failure = writeBuffer())
                return failed(failure);
        }
    }
    if (!buffer.empty()) {
        if (FileFailure failure = writeBuffer())
            return failed(failure);
    }
    if (FileFailure failure = file.commit())
        return failed(failure);
    BatchOutcome outcome;
    outcome.ownerOnlyRefused = file.ownerOnlyRefused();
    return outcome;
}

} // namespace quentara
