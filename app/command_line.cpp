// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/command_console.h"
#include "app/command_request.h"
#include "app/command_run.h"
#include "app/command_table.h"
#include "app/window_options.h"
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
    std::vector<std::optional<std::string>> values; // one for each of the command's options
    std::vector<std::string> plain;
    const ProgramOption* standAlone = nullptr; // "--help" after the command's name
};

std::variant<Arguments, CommandRefusal> readArguments(const Command& command,
                                                      std::span<char* const> args) {
    Arguments read;
    read.values.resize(command.options.size());
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
        if (const ProgramOption* option = findProgramOption(arg); option && option->afterCommand) {
            read.standAlone = option;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto option = std::find_if(
            command.options.begin(), command.options.end(), [&](const CommandOption& known) {
                return name.starts_with("--") && name.substr(2) == known.name;
            });
        if (option == command.options.end()) {
            return CommandRefusal{"The command \"" + std::string(command.name) +
                                  "\" has no option " + quotedForMessage(name) + ".\n" + tryHelp};
        }
        std::string value;
        if (equals != std::string_view::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return CommandRefusal{"The option " + std::string(name) + " needs a value.\n" +
                                  tryHelp};
        read.values[static_cast<std::size_t>(option - command.options.begin())] = std::move(value);
    }
    return read;
}

// The plain arguments first, then the options in the command's order, each from its default
// text where it is not given.
CommandReading readCommand(const Command& command, const Arguments& read) {
    CommandRequest request = command.start();
    const std::size_t expected = argumentCount(command);
    const std::string name(command.name);
    if (read.plain.size() < expected)
        return CommandRefusal{"The command \"" + name + "\" needs " + std::string(command.needs) +
                              ", for example:\n" + std::string(command.example)};
    if (read.plain.size() > expected)
        return CommandRefusal{"The command \"" + name + "\" does not take " +
                              quotedForMessage(read.plain[expected]) + ".\n" + tryHelp};
    if (command.readArguments != nullptr)
        if (auto problem = command.readArguments(read.plain, request))
            return CommandRefusal{std::move(*problem)};
    for (std::size_t i = 0; i < command.options.size(); ++i) {
        const CommandOption& option = command.options[i];
        if (!read.values[i] && option.defaultText == nullptr)
            continue;
        const std::string text = read.values[i].value_or(option.defaultText);
        if (auto problem = option.read(text, request))
            return CommandRefusal{command.refusal != nullptr
                                      ? command.refusal(request, std::move(*problem))
                                      : std::move(*problem)};
    }
    return request;
}

} // namespace

CommandReading readCommandLine(std::span<char* const> args) {
    const std::string_view command = args.front();
    const std::span<char* const> rest = args.subspan(1);
    if (const ProgramOption* option = findProgramOption(command)) {
        if (!rest.empty())
            return CommandRefusal{quotedForMessage(command) + " takes no further arguments.\n" +
                                  tryHelp};
        return option->request();
    }

    const auto commands = commandTable();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& known) { return known.name == command; });
    if (found == commands.end()) {
        if (rest.empty() && isWindowOptionWithValue(command))
            return CommandRefusal{"The option " + std::string(command) + " needs a value.\n" +
                                  tryHelp};
        return CommandRefusal{"Quentara has no command " + quotedForMessage(command) + ".\n" +
                              tryHelp};
    }
    auto read = readArguments(*found, rest);
    if (auto* refusal = std::get_if<CommandRefusal>(&read))
        return *refusal;
    if (const ProgramOption* option = std::get<Arguments>(read).standAlone)
        return option->request();
    return readCommand(*found, std::get<Arguments>(read));
}

int carryOut(const CommandReading& reading, CommandStreams streams) {
    if (const auto* refusal = std::get_if<CommandRefusal>(&reading)) {
        std::fprintf(streams.err, "%s\n", refusal->message.c_str());
        return exitBadArgument;
    }
    return runCommand(std::get<CommandRequest>(reading), streams);
}

int carryOutArguments(std::span<char* const> arguments, CommandStreams streams) {
    // Qt's options before a command are the window's, and the command line opens none.
    return carryOut(readCommandLine(arguments.subspan(windowOptionCount(arguments))), streams);
}

int runCommandLine(int argc, char* argv[]) {
    useStartingConsole();
    std::vector<std::string> texts = programArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    return carryOutArguments(std::span<char* const>(pointers).subspan(1), {stdout, stderr});
}

} // namespace quentara
