// SPDX-License-Identifier: GPL-3.0-or-later
// Arguments come from the wide command line as UTF-8, and the output finds the console the
// program was started from.
#include "app/command_console.h"

#include <QString>
#include <QStringView>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

namespace quentara {
namespace {

// The C runtime's arguments are in the system's code page, which cannot hold every file name
// (a Cyrillic one under a Western code page turns into question marks). The wide command line
// holds them all; it is read here as UTF-8.
std::vector<std::string> utf8Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(QStringView(wide[i]).toUtf8().toStdString()); // keeps a leading U+FEFF
    LocalFree(wide);
    return arguments;
}

} // namespace

void useStartingConsole() {
    const auto unattached = [](DWORD stream) {
        const HANDLE handle = GetStdHandle(stream);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool output = unattached(STD_OUTPUT_HANDLE);
    const bool errors = unattached(STD_ERROR_HANDLE);
    if (!(output || errors) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (output)
        std::freopen("CONOUT$", "w", stdout);
    if (errors)
        std::freopen("CONOUT$", "w", stderr);
}

std::vector<std::string> programArguments(int argc, char* argv[]) {
    std::vector<std::string> utf8 = utf8Arguments();
    if (utf8.size() >= 2)
        return utf8;
    return std::vector<std::string>(argv, argv + argc); // the C runtime's, as the next best
}

std::filesystem::path pathFromArgument(const std::string& argument) {
    return std::filesystem::path(std::u8string(argument.begin(), argument.end())); // UTF-8
}

std::string utf8FromArgument(const std::string& argument) {
    return argument; // read as UTF-8 already
}

bool isTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

} // namespace quentara
