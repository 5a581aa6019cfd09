// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_table.h"

#include "app/command_console.h"
#include "batch/batch_messages.h"
#include "generators/hex_string.h"
#include "generators/number_length.h"
#include "generators/number_quantity.h"
#include "generators/number_reading.h"
#include "generators/text_scan.h"

#include <algorithm>

namespace quentara {
namespace {

// The rule of the commands that make passwords.
PasswordRule& ruleOf(CommandRequest& request) {
    if (auto* file = std::get_if<FileRequest>(&request))
        return file->rule;
    return std::get<PasswordRequest>(request).rule;
}

// As the Easy and File Generator tabs read their length box, then refused where it can only
// give empty passwords: the window shows its empty result, but printed or written, an empty
// password would pass for a real one.
std::optional<std::string> readLength(std::string_view text, CommandRequest& request) {
    const LengthReading length = readLengthText(text);
    if (length.problem != LengthProblem::none)
        return lengthProblemMessage(length.problem, text);
    if (length.value < 1)
        return namedNumber(lengthWords.name, text) + " gives empty passwords." +
               wholeNumberHint(lengthWords, 1, maxPasswordLength);
    ruleOf(request).length = length.value;
    return std::nullopt;
}

// "upper,lower,digits,symbols" in any order and choice; empty ticks no class, as unticking
// every box does in the window, and is refused.
std::optional<std::string> readClasses(std::string_view list, CommandRequest& request) {
    ClassTicks ticks;
    while (!trimBlanks(list).empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view name = trimBlanks(list.substr(0, comma));
        if (name == "upper")
            ticks.uppercase = true;
        else if (name == "lower")
            ticks.lowercase = true;
        else if (name == "digits")
            ticks.digits = true;
        else if (name == "symbols")
            ticks.symbols = true;
        else
            return "The character class " + quotedForMessage(name) + " is unknown.\n" +
                   "Name the classes separated by commas, from upper,lower,digits,symbols.";
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    if (!drawsCharacters(ticks))
        return "No character class is chosen.\nName at least one of upper,lower,digits,symbols, "
               "separated by commas.";
    ruleOf(request).ticks = ticks;
    return std::nullopt;
}

// The count of passwords is read as the batch file's quantity of lines.
constexpr NumberWords countWords{"count", "passwords", "10"};

std::optional<std::string> readCount(std::string_view text, CommandRequest& request) {
    const QuantityReading count = readQuantityText(text);
    if (count.problem != QuantityProblem::none)
        return quantityProblemMessage(count.problem, text, {}, countWords);
    std::get<PasswordRequest>(request).count = count.value;
    return std::nullopt;
}

std::optional<std::string> readQuantity(std::string_view text, CommandRequest& request) {
    const QuantityReading quantity = readQuantityText(text);
    if (quantity.problem != QuantityProblem::none)
        return quantityProblemMessage(quantity.problem, text);
    std::get<FileRequest>(request).quantity = quantity.value;
    return std::nullopt;
}

std::optional<std::string> readPath(const std::vector<std::string>& plain,
                                    CommandRequest& request) {
    auto& file = std::get<FileRequest>(request);
    file.fileName = plain[0];
    file.path = pathFromArgument(file.fileName);
    return std::nullopt;
}

std::optional<std::string> readBits(const std::vector<std::string>& plain,
                                    CommandRequest& request) {
    auto& hex = std::get<HexRequest>(request);
    hex.bitsItem = plain[0] + " bits"; // the list item, exactly as the window offers it
    if (hexCharacterCount(hex.bitsItem) == 0)
        return "The number of bits " + quotedForMessage(plain[0]) +
               " is not offered.\nType one of 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, "
               "8192.";
    return std::nullopt;
}

std::optional<std::string> readNames(const std::vector<std::string>& plain,
                                     CommandRequest& request) {
    auto& names = std::get<UsernameRequest>(request);
    names.firstName = utf8FromArgument(plain[0]);
    names.lastName = utf8FromArgument(plain[1]);
    return std::nullopt;
}

std::string fileNotWritten(const CommandRequest& request, std::string reason) {
    return batchNotWrittenMessage(std::get<FileRequest>(request).fileName, reason);
}

constexpr std::string_view lengthHelp = "the number of characters of each password";
constexpr std::string_view classesHelp =
    "the character classes to draw from, separated by commas: upper,lower,digits,symbols";

constexpr CommandOption passwordOptions[] = {
    {"length", "N", "6", readLength, lengthHelp},
    {"classes", "LIST", nullptr, readClasses, classesHelp},
    {"count", "N", "1", readCount, "the number of passwords to print"}};

// The window's order: the quantity, then the length and classes, all before the disk is
// touched.
constexpr CommandOption fileOptions[] = {
    {"quantity", "N", "5000", readQuantity, "the number of lines to write"},
    {"length", "N", "8", readLength, lengthHelp},
    {"classes", "LIST", nullptr, readClasses, classesHelp}};

constexpr std::string_view passwordHelp[] = {
    "Prints passwords, one a line. Defaults: length 6, all four classes, one password."};
constexpr std::string_view fileHelp[] = {
    "Writes the numbered password file, as the File Generator tab does.",
    "Defaults: 5000 lines, length 8, all four classes."};
constexpr std::string_view hexHelp[] = {
    "Prints a random hex string of BITS bits: 4, 8, 16, 32, 64, 128, 256, 512, 1024,",
    "2048, 4096 or 8192."};
constexpr std::string_view usernameHelp[] = {
    "Prints a user name: two characters of FIRST, three of LAST and two random digits."};

template <typename Request> CommandRequest start() {
    return Request{};
}

constexpr Command commands[] = {{"password", start<PasswordRequest>, "", "", "", passwordOptions,
                                 nullptr, nullptr, printPasswords, passwordHelp},
                                {"file", start<FileRequest>, "PATH",
                                 "the path of the file to write", "quentara file passwords.txt",
                                 fileOptions, readPath, fileNotWritten, writeFile, fileHelp},
                                {"hex",
                                 start<HexRequest>,
                                 "BITS",
                                 "a number of bits",
                                 "quentara hex 128",
                                 {},
                                 readBits,
                                 nullptr,
                                 printHex,
                                 hexHelp},
                                {"username",
                                 start<UsernameRequest>,
                                 "FIRST LAST",
                                 "a first and a last name",
                                 "quentara username FIRST LAST",
                                 {},
                                 readNames,
                                 nullptr,
                                 printUsername,
                                 usernameHelp}};

constexpr ProgramOption standAlone[] = {{"--help", "-h", start<HelpRequest>, true,
                                         "shows this text", "shows the commands and their options"},
                                        {"--version", "", start<VersionRequest>, false,
                                         "shows the program's name and version",
                                         "shows the program's name and version"}};

} // namespace

std::span<const Command> commandTable() {
    return commands;
}

std::span<const ProgramOption> programOptions() {
    return standAlone;
}

const ProgramOption* findProgramOption(std::string_view text) {
    for (const ProgramOption& option : standAlone)
        if (text == option.name || (!option.shortName.empty() && text == option.shortName))
            return &option;
    return nullptr;
}

std::size_t argumentCount(const Command& command) {
    if (command.arguments.empty())
        return 0;
    return static_cast<std::size_t>(
               std::count(command.arguments.begin(), command.arguments.end(), ' ')) +
           1;
}

} // namespace quentara
