#include "batch/batch_file.h"

#include <charconv>

namespace quentara {
namespace {

constexpr std::size_t blockSize = 1 << 18; // written when the buffer reaches it

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

} // namespace

void AppendBatchLine(std::string& out, std::uint64_t number, std::string_view password) {
    appendLineHead(out, number);
    out += password;
    out += "\r\n";
}

BatchOutcome WriteBatchFile(FileLayer& files, const std::filesystem::path& target,
                            std::uint64_t quantity, const PasswordAppender& appendPassword,
                            ProgressPacer& progress) {
    AtomicFile file(files, target);
    if (FileFailure failure = file.open())
        return {BatchOutcome::Status::failed, failure};

    std::string buffer;
    buffer.reserve(blockSize + (1 << 16));
    for (std::uint64_t number = 1; number <= quantity; ++number) {
        if (!progress.line(number))
            return {BatchOutcome::Status::stopped, {}}; // `file` discards the partial content
        // The same bytes as AppendBatchLine, with the password built in place.
        appendLineHead(buffer, number);
        appendPassword(buffer);
        buffer += "\r\n";
        if (buffer.size() >= blockSize) {
            if (FileFailure failure = file.write(buffer.data(), buffer.size()))
                return {BatchOutcome::Status::failed, failure};
            buffer.clear();
        }
    }
    if (!buffer.empty()) {
        if (FileFailure failure = file.write(buffer.data(), buffer.size()))
            return {BatchOutcome::Status::failed, failure};
    }
    if (FileFailure failure = file.commit())
        return {BatchOutcome::Status::failed, failure};
    return {};
}

} // namespace quentara
