// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/command_console.h"
#include "app/command_request.h"
#include "app/command_run.h"
#include "app/window_options.h"
#include "batch/batch_messages.h"
#include "batch/quantity_text.h"
#include "generators/hex_string.h"
#include "generators/length_text.h"
#include "generators/text_scan.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quentara {
namespace {

constexpr const char* tryHelp = "Type \"quentara --help\" for what Quentara understands.";

// The options and plain arguments after a command, in "--name value" or "--name=value" form;
// after "--" every argument is plain, so a name may begin with "-".
struct Arguments {
    std::optional<std::string> length;
    std::optional<std::string> classes;
    std::optional<std::string> count;
    std::optional<std::string> quantity;
    std::vector<std::string> plain;
    bool help = false;
};

std::variant<Arguments, CommandRefusal> readArguments(std::string_view command,
                                                      std::span<char* const> args,
                                                      std::span<const std::string_view> options) {
    Arguments read;
    bool onlyPlain = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (onlyPlain || arg.size() < 2 || arg.front() != '-') {
            read.plain.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPlain = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            read.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const bool known = name.starts_with("--") && std::find(options.begin(), options.end(),
                                                               name.substr(2)) != options.end();
        if (!known) {
            return CommandRefusal{"The command \"" + std::string(command) + "\" has no option " +
                                  quotedForMessage(name) + ".\n" + tryHelp};
        }
        std::string value;
        if (equals != std::string_view::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return CommandRefusal{"The option " + std::string(name) + " needs a value.\n" +
                                  tryHelp};
        std::optional<std::string>* slot = name == "--length"    ? &read.length
                                           : name == "--classes" ? &read.classes
                                           : name == "--count"   ? &read.count
                                                                 : &read.quantity;
        *slot = std::move(value);
    }
    return read;
}

// "upper,lower,digits,symbols" in any order and choice; empty ticks no class, as unticking
// every box does in the window (and is then refused).
std::variant<ClassTicks, std::string> readClasses(std::string_view list) {
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
    return ticks;
}

// The count of passwords is read as the batch file's quantity of lines.
constexpr QuantityWords countWords{"count", "passwords", "10"};

// Length and classes, as the Easy and File Generator tabs read their boxes, then refused where
// they can only give empty passwords; `refuse` turns a problem into the command's message.
template <typename Refuse>
std::optional<CommandRefusal> readPasswordRule(const Arguments& read,
                                               std::string_view defaultLength,
                                               CommandRequest& request, Refuse refuse) {
    const std::string lengthText = read.length.value_or(std::string(defaultLength));
    const LengthReading length = readLengthText(lengthText);
    if (length.problem != LengthProblem::none)
        return refuse(lengthProblemMessage(length.problem, lengthText));
    // The window shows its empty result; printed or written, an empty password would pass for
    // a real one.
    if (length.length < 1)
        return refuse("The length " + quotedForMessage(lengthText) +
                      " gives empty passwords.\nType a whole number of characters from 1 to " +
                      std::to_string(maxPasswordLength) + ", for example 12.");
    request.length = length.length;
    if (read.classes) {
        auto ticks = readClasses(*read.classes);
        if (auto* problem = std::get_if<std::string>(&ticks))
            return refuse(*problem);
        request.ticks = std::get<ClassTicks>(ticks);
    }
    if (!drawsCharacters(request.ticks))
        return refuse("No character class is chosen.\nName at least one of "
                      "upper,lower,digits,symbols, separated by commas.");
    return std::nullopt;
}

std::optional<CommandRefusal> refuseExtra(std::string_view command, const Arguments& read,
                                          std::size_t expected) {
    if (read.plain.size() <= expected)
        return std::nullopt;
    return CommandRefusal{"The command \"" + std::string(command) + "\" does not take " +
                          quotedForMessage(read.plain[expected]) + ".\n" + tryHelp};
}

CommandReading readPassword(const Arguments& read) {
    CommandRequest request;
    request.kind = CommandRequest::Kind::password;
    if (auto refusal = refuseExtra("password", read, 0))
        return *refusal;
    auto asIs = [](std::string message) { return CommandRefusal{std::move(message)}; };
    if (auto refusal = readPasswordRule(read, "6", request, asIs))
        return *refusal;
    const std::string countText = read.count.value_or("1");
    const QuantityReading count = readQuantityText(countText);
    if (count.problem != QuantityProblem::none)
        return CommandRefusal{quantityProblemMessage(count.problem, countText, {}, countWords)};
    request.count = count.quantity;
    return request;
}

CommandReading readFile(const Arguments& read) {
    CommandRequest request;
    request.kind = CommandRequest::Kind::file;
    if (read.plain.empty())
        return CommandRefusal{
            "The command \"file\" needs the path of the file to write, for example:\n"
            "quentara file passwords.txt"};
    if (auto refusal = refuseExtra("file", read, 1))
        return *refusal;
    request.fileName = read.plain[0];
    request.path = pathFromArgument(request.fileName);
    // The window's order: the quantity, then the length and classes, all before the disk is
    // touched.
    auto notWritten = [&](const std::string& reason) {
        return CommandRefusal{batchNotWrittenMessage(request.fileName, reason)};
    };
    const std::string quantityText = read.quantity.value_or("5000");
    const QuantityReading quantity = readQuantityText(quantityText);
    if (quantity.problem != QuantityProblem::none)
        return notWritten(quantityProblemMessage(quantity.problem, quantityText));
    request.count = quantity.quantity;
    if (auto refusal = readPasswordRule(read, "8", request, notWritten))
        return *refusal;
    return request;
}

CommandReading readHex(const Arguments& read) {
    CommandRequest request;
    request.kind = CommandRequest::Kind::hex;
    if (read.plain.empty())
        return CommandRefusal{
            "The command \"hex\" needs a number of bits, for example:\nquentara hex 128"};
    if (auto refusal = refuseExtra("hex", read, 1))
        return *refusal;
    request.bitsItem = read.plain[0] + " bits"; // the list item, exactly as the window offers it
    if (hexCharacterCount(request.bitsItem) == 0)
        return CommandRefusal{
            "The number of bits " + quotedForMessage(read.plain[0]) +
            " is not offered.\nType one of 4, 8, 16, 32, 64, 128, 256, 512, 1024, "
            "2048, 4096, 8192."};
    return request;
}

CommandReading readUsername(const Arguments& read) {
    CommandRequest request;
    request.kind = CommandRequest::Kind::username;
    if (read.plain.size() < 2)
        return CommandRefusal{
            "The command \"username\" needs a first and a last name, for example:\n"
            "quentara username FIRST LAST"};
    if (auto refusal = refuseExtra("username", read, 2))
        return *refusal;
    request.firstName = utf8FromArgument(read.plain[0]);
    request.lastName = utf8FromArgument(read.plain[1]);
    return request;
}

} // namespace

CommandReading readCommandLine(std::span<char* const> args) {
    const std::string_view command = args.front();
    const std::span<char* const> rest = args.subspan(1);
    if (command == "--help" || command == "-h" || command == "--version") {
        if (!rest.empty())
            return CommandRefusal{quotedForMessage(command) + " takes no further arguments.\n" +
                                  tryHelp};
        CommandRequest request;
        request.kind =
            command == "--version" ? CommandRequest::Kind::version : CommandRequest::Kind::help;
        return request;
    }

    using Reader = CommandReading (*)(const Arguments&);
    static constexpr std::string_view passwordOptions[] = {"length", "classes", "count"};
    static constexpr std::string_view fileOptions[] = {"quantity", "length", "classes"};
    std::span<const std::string_view> options;
    Reader reader = nullptr;
    if (command == "password") {
        options = passwordOptions;
        reader = readPassword;
    } else if (command == "file") {
        options = fileOptions;
        reader = readFile;
    } else if (command == "hex") {
        reader = readHex;
    } else if (command == "username") {
        reader = readUsername;
    } else if (rest.empty() && isWindowOptionWithValue(command)) {
        return CommandRefusal{"The option " + std::string(command) + " needs a value.\n" + tryHelp};
    } else {
        return CommandRefusal{"Quentara has no command " + quotedForMessage(command) + ".\n" +
                              tryHelp};
    }
    auto read = readArguments(command, rest, options);
    if (auto* refusal = std::get_if<CommandRefusal>(&read))
        return *refusal;
    if (std::get<Arguments>(read).help)
        return CommandRequest{};
    return reader(std::get<Arguments>(read));
}

int carryOut(const CommandReading& reading, CommandStreams streams) {
    if (const auto* refusal = std::get_if<CommandRefusal>(&reading)) {
        std::fprintf(streams.err, "%s\n", refusal->message.c_str());
        return exitBadArgument;
    }
    return runCommand(std::get<CommandRequest>(reading), streams);
}

int runCommandLine(int argc, char* argv[]) {
    useStartingConsole();
    std::vector<std::string> texts = programArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    // Qt's options before a command are the window's, and the command line opens none.
    const std::span<char* const> arguments = std::span<char* const>(pointers).subspan(1);
    return carryOut(readCommandLine(arguments.subspan(windowOptionCount(arguments))),
                    {stdout, stderr});
}

} // namespace quentara
