// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_help.h"

#include "app/command_table.h"

#include <algorithm>

namespace quentara {
namespace {

// "file PATH [--quantity N] [--length N] [--classes LIST]"
std::string synopsisOf(const Command& command) {
    std::string line(command.name);
    if (!command.arguments.empty())
        line.append(" ").append(command.arguments);
    for (const CommandOption& option : command.options)
        line.append(" [--").append(option.name).append(" ").append(option.value).append("]");
    return line;
}

// Roff reads "-" as a hyphen; options are typed with the minus sign.
std::string roff(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '-' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string roffOption(std::string_view name, std::string_view value) {
    return "\\fB\\-\\-" + roff(name) + "\\fR \\fI" + roff(value) + "\\fR";
}

} // namespace

std::string usageText() {
    std::string text = "Usage: quentara [COMMAND [ARGUMENTS]]\n"
                       "Without a command, Quentara opens its window; Qt's own options, such as\n"
                       "-platform NAME, -style NAME or -reverse, go to the window.\n"
                       "\n"
                       "Commands:\n";
    for (const Command& command : commandTable()) {
        text.append("  ").append(synopsisOf(command)).append("\n");
        for (const std::string_view line : command.help)
            text.append("      ").append(line).append("\n");
    }
    text += "\n"
            "LIST names the character classes, separated by commas: upper,lower,digits,symbols.\n"
            "Options take their value as the next argument or after \"=\" (--length=16); after "
            "\"--\"\n"
            "every argument is a value, so a name may begin with \"-\".\n";
    for (const ProgramOption& option : programOptions()) {
        std::string name(option.name);
        name.resize(std::max<std::size_t>(name.size() + 1, 12), ' ');
        text.append("  ").append(name).append(option.help).append("\n");
    }
    text += "\n"
            "Exit status: 0 done, 1 the output could not be written, 2 a bad argument.\n";
    return text;
}

std::string manualSynopsis() {
    std::string text = ".SH SYNOPSIS\n.B quentara\n.RI [ \"Qt options\" ]\n";
    for (const Command& command : commandTable()) {
        text += ".br\n.B quentara " + roff(command.name) + "\n";
        std::string line;
        if (!command.arguments.empty())
            line = "\\fI" + roff(command.arguments) + "\\fR";
        for (const CommandOption& option : command.options)
            line += (line.empty() ? "[" : " [") + roffOption(option.name, option.value) + "]";
        if (!line.empty())
            text += line + "\n";
    }
    for (const ProgramOption& option : programOptions())
        text += ".br\n.B quentara " + roff(option.name) + "\n";
    return text;
}

std::string manualOptions() {
    std::string text = ".SH COMMANDS\n";
    for (const Command& command : commandTable()) {
        text += ".TP\n\\fB" + roff(command.name) + "\\fR";
        if (!command.arguments.empty())
            text += " \\fI" + roff(command.arguments) + "\\fR";
        text += "\n";
        for (const std::string_view line : command.help)
            text += roff(line) + "\n";
    }
    text += ".SH OPTIONS\n"
            "Options take their value as the next argument or after \\(lq=\\(rq; after "
            "\\fB\\-\\-\\fR every argument is a value.\n";
    // Each option once, with the commands that take it.
    std::vector<std::string_view> listed;
    for (const Command& command : commandTable()) {
        for (const CommandOption& option : command.options) {
            if (std::find(listed.begin(), listed.end(), option.name) != listed.end())
                continue;
            listed.push_back(option.name);
            std::string takers;
            for (const Command& taker : commandTable())
                for (const CommandOption& taken : taker.options)
                    if (taken.name == option.name)
                        takers += (takers.empty() ? "" : ", ") + std::string(taker.name);
            text += ".TP\n" + roffOption(option.name, option.value) + "\n" + roff(option.help) +
                    " (" + takers + ").\n";
        }
    }
    for (const ProgramOption& option : programOptions())
        text += ".TP\n\\fB" + roff(option.name) + "\\fR\n" + roff(option.manualHelp) + ".\n";
    text += ".SH EXIT STATUS\n0 done, 1 the output could not be written, 2 a bad argument.\n";
    return text;
}

} // namespace quentara
