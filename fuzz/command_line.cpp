// SPDX-License-Identifier: GPL-3.0-or-later
// The command line with any arguments: the input split at its NUL bytes. A run never aborts and
// ends with 0, 1 or 2; a refusal (2) prints a message and nothing else; a success prints no
// message, and `password` prints the passwords asked for, one a line. Only small requests are
// carried out (every request is read), and a file is written only inside a scratch folder.
#include "app/command_line.h"

#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace quentara;
using namespace quentara::fuzz;

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t maxCharacters = 300'000; // drawn in one run
constexpr std::uint64_t maxLines = 3'000;        // written in one run

// Made on first use and removed at exit. The fuzzer keeps its working directory (its corpus
// and findings may be given as relative paths): file requests are joined to this folder.
const fs::path& scratch() {
    static const fs::path* const folder = [] {
        std::string name = (fs::temp_directory_path() / "quentara-fuzz-XXXXXX").string();
        require(::mkdtemp(name.data()) != nullptr, "a scratch folder");
        std::atexit([] { fs::remove_all(scratch()); });
        return new fs::path(name); // never destroyed: the removal at exit still needs it
    }();
    return *folder;
}

bool staysInScratch(const fs::path& path) {
    if (path.empty() || path.has_root_path())
        return false;
    for (const fs::path& part : path)
        if (part == "..")
            return false;
    return true;
}

std::uint64_t lengthOf(const PasswordRule& rule) {
    return static_cast<std::uint64_t>(rule.length < 1 ? 1 : rule.length);
}

bool safeToCarryOut(const CommandRequest& request) {
    if (const auto* password = std::get_if<PasswordRequest>(&request))
        return password->count <= maxCharacters / lengthOf(password->rule);
    if (const auto* file = std::get_if<FileRequest>(&request))
        return file->quantity <= maxLines &&
               file->quantity <= maxCharacters / lengthOf(file->rule) && staysInScratch(file->path);
    return true;
}

// A stream that collects what is printed to it.
class MemoryStream {
public:
    MemoryStream() : file_(::open_memstream(&data_, &size_)) {
        require(file_ != nullptr, "memory");
    }
    ~MemoryStream() {
        if (file_ != nullptr)
            std::fclose(file_);
        std::free(data_);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* file() const { return file_; }
    std::string_view closed() {
        std::fclose(file_);
        file_ = nullptr;
        return {data_, size_};
    }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (const char c : std::string_view(reinterpret_cast<const char*>(data), size)) {
        if (c == '\0')
            arguments.emplace_back();
        else
            arguments.back() += c;
    }
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());

    CommandReading reading = readCommandLine(pointers);
    auto* request = std::get_if<CommandRequest>(&reading);
    if (request != nullptr && !safeToCarryOut(*request))
        return 0;
    auto* file = request != nullptr ? std::get_if<FileRequest>(request) : nullptr;
    if (file != nullptr)
        file->path = scratch() / file->path;
    MemoryStream out;
    MemoryStream err;
    const int code = carryOut(reading, {out.file(), err.file()});
    const std::string_view printed = out.closed();
    const std::string_view message = err.closed();
    if (file != nullptr)
        for (const fs::directory_entry& entry : fs::directory_iterator(scratch()))
            fs::remove_all(entry.path());

    require(code == 0 || code == 1 || code == 2, "the exit code is 0, 1 or 2");
    require((code == 2) == (request == nullptr), "exit code 2 exactly for a refusal");
    require(code == 0 || (!message.empty() && message.back() == '\n'),
            "a failure or refusal says why, in whole lines");
    require(code != 2 || printed.empty(), "a refusal prints nothing else");
    require(code != 0 || message.empty(), "a success prints no message");
    const auto* password = request != nullptr ? std::get_if<PasswordRequest>(request) : nullptr;
    if (code == 0 && password != nullptr) {
        const auto line = static_cast<std::size_t>(password->rule.length) + 1;
        bool lines = printed.size() == password->count * line &&
                     static_cast<std::uint64_t>(std::count(printed.begin(), printed.end(), '\n')) ==
                         password->count;
        for (std::size_t end = line - 1; lines && end < printed.size(); end += line)
            lines = printed[end] == '\n';
        require(lines, "the passwords asked for, each of the length asked for, one a line");
    }
    return 0;
}
