// SPDX-License-Identifier: GPL-3.0-or-later
// The commands the program takes without its window: one table from which the parser, the
// `--help` text and the manual page all come.
#pragma once

#include "app/command_request.h"
#include "app/command_run.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quentara {

// Reads an option's text into the request; the reason it cannot, if it cannot.
using OptionReader = std::optional<std::string> (*)(std::string_view text, CommandRequest& request);

// "--length N": read from its default text when not given, unless it has none.
struct CommandOption {
    std::string_view name;  // "length", given as --length
    std::string_view value; // "N", as the help text names the value
    const char* defaultText;
    OptionReader read;
    std::string_view help; // the manual page's line
};

// Reads the plain arguments, as many as the command takes; the refusal's message, if any.
using ArgumentsReader = std::optional<std::string> (*)(const std::vector<std::string>& plain,
                                                       CommandRequest& request);

// Turns an option's problem into the command's whole message.
using RefusalWording = std::string (*)(const CommandRequest& request, std::string reason);

struct Command {
    std::string_view name;
    CommandRequest (*start)();              // the command's request before any argument is read
    std::string_view arguments;             // "FIRST LAST": one word a plain argument
    std::string_view needs;                 // "a first and a last name", when they are missing
    std::string_view example;               // "quentara username FIRST LAST"
    std::span<const CommandOption> options; // read in this order
    ArgumentsReader readArguments;          // none where the command takes no plain argument
    RefusalWording refusal;                 // none where the problem is the whole message
    int (*run)(const CommandRequest& request, CommandStreams streams, RandomSource& random);
    std::span<const std::string_view> help; // the lines below the command in --help
};

// The options that stand alone: "--help", "--version".
struct ProgramOption {
    std::string_view name;
    std::string_view shortName; // "-h"; empty where there is none
    CommandRequest (*request)();
    bool afterCommand;           // also understood after a command's name
    std::string_view help;       // as --help lists it
    std::string_view manualHelp; // as the manual page lists it
};

std::span<const Command> commandTable();
std::span<const ProgramOption> programOptions();
// The stand-alone option `text` names in either form; nullptr where it names none.
const ProgramOption* findProgramOption(std::string_view text);

// How many plain arguments `command` takes.
std::size_t argumentCount(const Command& command);

} // namespace quentara
