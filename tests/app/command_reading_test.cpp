// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read and carried out in this process, as the program does after its start:
// what it prints, on which stream, and its exit code.
#include "app/command_help.h"
#include "app/command_line.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace quentara {
namespace {

struct Printed {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char block[4096];
    for (std::size_t got = 0; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, got);
    std::fclose(file);
    return text;
}

// The arguments after the program's name, window options first if any.
Printed carryOutHere(std::vector<std::string> arguments) {
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_NE(out, nullptr);
    EXPECT_NE(err, nullptr);
    const int code = carryOutArguments(pointers, {out, err});
    return {code, readBack(out), readBack(err)};
}

TEST(CommandReading, HelpListsTheCommandsAndTheirOptions) {
    const Printed help = carryOutHere({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(
        help.out,
        "Usage: quentara [COMMAND [ARGUMENTS]]\n"
        "Without a command, Quentara opens its window; Qt's own options, such as\n"
        "-platform NAME, -style NAME or -reverse, go to the window.\n"
        "\n"
        "Commands:\n"
        "  password [--length N] [--classes LIST] [--count N]\n"
        "      Prints passwords, one a line. Defaults: length 6, all four classes, one password.\n"
        "  file PATH [--quantity N] [--length N] [--classes LIST]\n"
        "      Writes the numbered password file, as the File Generator tab does.\n"
        "      Defaults: 5000 lines, length 8, all four classes.\n"
        "  hex BITS\n"
        "      Prints a random hex string of BITS bits: 4, 8, 16, 32, 64, 128, 256, 512, 1024,\n"
        "      2048, 4096 or 8192.\n"
        "  username FIRST LAST\n"
        "      Prints a user name: two characters of FIRST, three of LAST and two random "
        "digits.\n"
        "\n"
        "LIST names the character classes, separated by commas: upper,lower,digits,symbols.\n"
        "Options take their value as the next argument or after \"=\" (--length=16); after "
        "\"--\"\n"
        "every argument is a value, so a name may begin with \"-\".\n"
        "  --help      shows this text\n"
        "  --version   shows the program's name and version\n"
        "\n"
        "Exit status: 0 done, 1 the output could not be written, 2 a bad argument.\n");
    EXPECT_EQ(carryOutHere({"password", "--length=3", "-h"}).out, help.out);
}

// The manual page's synopsis, from the same table as the parser.
TEST(CommandReading, ManualSynopsisListsEveryCommand) {
    EXPECT_EQ(manualSynopsis(), ".SH SYNOPSIS\n"
                                ".B quentara\n"
                                ".RI [ \"Qt options\" ]\n"
                                ".br\n"
                                ".B quentara password\n"
                                "[\\fB\\-\\-length\\fR \\fIN\\fR] [\\fB\\-\\-classes\\fR "
                                "\\fILIST\\fR] [\\fB\\-\\-count\\fR \\fIN\\fR]\n"
                                ".br\n"
                                ".B quentara file\n"
                                "\\fIPATH\\fR [\\fB\\-\\-quantity\\fR \\fIN\\fR] "
                                "[\\fB\\-\\-length\\fR \\fIN\\fR] [\\fB\\-\\-classes\\fR "
                                "\\fILIST\\fR]\n"
                                ".br\n"
                                ".B quentara hex\n"
                                "\\fIBITS\\fR\n"
                                ".br\n"
                                ".B quentara username\n"
                                "\\fIFIRST LAST\\fR\n"
                                ".br\n"
                                ".B quentara \\-\\-help\n"
                                ".br\n"
                                ".B quentara \\-\\-version\n");
}

struct Refused {
    const char* name;
    std::vector<std::string> arguments;
    const char* message;
};

class RefusedArgument : public testing::TestWithParam<Refused> {};

TEST_P(RefusedArgument, GetsTheMessageAndExitCode2) {
    const Printed outcome = carryOutHere(GetParam().arguments);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, GetParam().message);
}

#define TRY_HELP "Type \"quentara --help\" for what Quentara understands.\n"
#define LENGTH_FROM_1 "Type a whole number of characters from 1 to 1000000, for example 12.\n"
#define NO_CLASS                                                                                   \
    "No character class is chosen.\nName at least one of upper,lower,digits,symbols, separated "   \
    "by commas.\n"

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedArgument,
    testing::Values(
        Refused{"unknownCommand", {"passwd"}, "Quentara has no command \"passwd\".\n" TRY_HELP},
        Refused{"lengthNotANumber",
                {"password", "--length", "abc"},
                "The length \"abc\" is not a number.\nType a whole number of characters from 0 to "
                "1000000, for example 12.\n"},
        // Each used to print empty passwords with exit code 0; the first, a buffer of
        // negative size, aborted.
        Refused{"lengthBelowBlockSize",
                {"password", "--length", "-262146"},
                "The length \"-262146\" gives empty passwords.\n" LENGTH_FROM_1},
        Refused{"lengthZeroBeforeNoClass",
                {"password", "--classes", "", "--length", "0"},
                "The length \"0\" gives empty passwords.\n" LENGTH_FROM_1},
        Refused{"lengthRoundsToZero",
                {"password", "--length=0.4"},
                "The length \"0.4\" gives empty passwords.\n" LENGTH_FROM_1},
        Refused{"noClass", {"password", "--classes="}, NO_CLASS},
        Refused{"countZero",
                {"password", "--count", "0"},
                "The count \"0\" is below 1.\nType a whole number of passwords from 1 to "
                "999999999999999, for example 10.\n"},
        Refused{"unknownClass",
                {"password", "--classes", "upper,greek"},
                "The character class \"greek\" is unknown.\nName the classes separated by "
                "commas, from upper,lower,digits,symbols.\n"},
        Refused{"optionWithoutValue",
                {"password", "--length"},
                "The option --length needs a value.\n" TRY_HELP},
        Refused{"optionOfAnotherCommand",
                {"password", "--quantity", "5"},
                "The command \"password\" has no option \"--quantity\".\n" TRY_HELP},
        Refused{"bitsNotOffered",
                {"hex", "12"},
                "The number of bits \"12\" is not offered.\nType one of 4, 8, 16, 32, 64, 128, "
                "256, 512, 1024, 2048, 4096, 8192.\n"},
        Refused{"fileWithoutPath",
                {"file", "--quantity", "3"},
                "The command \"file\" needs the path of the file to write, for "
                "example:\nquentara file passwords.txt\n"},
        Refused{"argumentTooMany",
                {"hex", "8", "16"},
                "The command \"hex\" does not take \"16\".\n" TRY_HELP},
        Refused{"usernameWithOneName",
                {"username", "Ann"},
                "The command \"username\" needs a first and a last name, for "
                "example:\nquentara username FIRST LAST\n"},
        Refused{"versionWithMore",
                {"--version", "now"},
                "\"--version\" takes no further arguments.\n" TRY_HELP},
        Refused{"windowOptionWithoutValue",
                {"-reverse", "-platform"},
                "The option -platform needs a value.\n" TRY_HELP},
        Refused{"unknownAfterWindowOptions",
                {"-style", "Fusion", "-widgetcount", "bogus"},
                "Quentara has no command \"bogus\".\n" TRY_HELP},
        Refused{"windowOptionInAFormQtDoesNotRead",
                {"-platform=offscreen"},
                "Quentara has no command \"-platform=offscreen\".\n" TRY_HELP}),
    RowName());

// Qt's own options, which every Qt program takes, open the window; anything else is a command.
struct WindowOptions {
    const char* name;
    std::vector<std::string> arguments; // after the program's name
    bool opensWindow;
};

class WindowOrCommand : public testing::TestWithParam<WindowOptions> {};

TEST_P(WindowOrCommand, QtsOwnOptionsOpenTheWindow) {
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.insert(arguments.begin(), "quentara");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    EXPECT_EQ(!wantsCommandLine(static_cast<int>(argv.size()), argv.data()),
              GetParam().opensWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowOrCommand,
    testing::Values(
        WindowOptions{"nothing", {}, true},
        WindowOptions{"platform", {"-platform", "offscreen"}, true},
        WindowOptions{"platformWithTwoDashes", {"--platform", "wayland"}, true},
        WindowOptions{"platformPluginPathAndTheme",
                      {"-platformpluginpath", "/opt/qt", "-platformtheme", "gtk3"},
                      true},
        WindowOptions{"plugin", {"-plugin", "evdevkeyboard"}, true},
        WindowOptions{"style", {"-style", "Fusion"}, true},
        WindowOptions{"styleAfterEquals", {"-style=Fusion"}, true},
        WindowOptions{"styleSheetAndWidgetCount", {"-stylesheet", "a.qss", "-widgetcount"}, true},
        WindowOptions{"styleSheetAfterEquals", {"-stylesheet=a.qss"}, true},
        WindowOptions{"reverse", {"-reverse"}, true},
        WindowOptions{
            "windowGeometryTitleIcon",
            {"-qwindowgeometry", "100x100+0+0", "-qwindowtitle", "T", "-qwindowicon", "i.png"},
            true},
        WindowOptions{"session", {"-session", "s1", "--session=s2"}, true},
        WindowOptions{"qmlDebugger", {"-qmljsdebugger=port:1234"}, true},
        WindowOptions{"x11Options",
                      {"-display", ":1", "-geometry", "10x10", "-title", "T", "-name", "n", "-icon",
                       "i.png", "-visual", "33"},
                      true},
        WindowOptions{"optionThatLooksLikeACommand", {"-qwindowtitle", "password"}, true},
        WindowOptions{"command", {"password"}, false},
        WindowOptions{"commandAfterWindowOptions", {"-reverse", "hex", "8"}, false},
        WindowOptions{"valueMissing", {"-style"}, false},
        WindowOptions{"equalsWhereQtTakesNone", {"-reverse=1"}, false},
        WindowOptions{"equalsWhereQtTakesTheNextArgument", {"-platform=offscreen"}, false},
        WindowOptions{"debuggerWithoutEquals", {"-qmljsdebugger", "port:1234"}, false},
        WindowOptions{"unknownOption", {"-bogus"}, false},
        WindowOptions{"unknownAfterWindowOptions", {"-reverse", "--bogus"}, false}),
    RowName());

struct Output {
    const char* name;
    std::vector<std::string> arguments;
    const char* line; // a pattern every line matches
    int lines;
};

class PrintedOutput : public testing::TestWithParam<Output> {};

TEST_P(PrintedOutput, IsLinesOfTheRightShape) {
    const Printed printed = carryOutHere(GetParam().arguments);
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_EQ(printed.err, "");
    const QRegularExpression pattern(
        QStringLiteral("\\A(%1\n){%2}\\z").arg(GetParam().line).arg(GetParam().lines));
    EXPECT_TRUE(pattern.match(QString::fromStdString(printed.out)).hasMatch()) << printed.out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintedOutput,
    testing::Values(
        Output{"passwordDefaults", {"password"}, "[A-Za-z0-9#$%&'()*+]{6}", 1},
        Output{"passwordChosen",
               {"password", "--length", "16", "--count=5", "--classes", "digits,symbols"},
               "[0-9#$%&'()*+]{16}",
               5},
        Output{"hex", {"hex", "32"}, "[0-9A-F]{8}", 1},
        Output{"usernameAfterDoubleDash", {"username", "--", "-x", ""}, "-x[0-9]{2}", 1}),
    RowName());

TEST(CommandReading, RefusedFileArgumentsLeaveTheFileAsItWas) {
    TempFolder folder;
    const std::filesystem::path file = folder / "keep.txt";
    writeBytes(file, "nr. 1    old\r\n");
    const std::string name = file.string();
    const std::string notWritten =
        "The file \"" + name + "\" was not written, and nothing on disk was changed.\n";
    // What a refused run says on its error stream; every refusal exits with 2.
    const auto refused = [&name](std::vector<std::string> options) {
        options.insert(options.begin(), {"file", name});
        const Printed printed = carryOutHere(options);
        EXPECT_EQ(printed.exitCode, 2);
        return printed.err;
    };
    // The window's order: the quantity, then the length, then the classes.
    EXPECT_EQ(refused({"--quantity", "12abc", "--length", "0", "--classes", ""}),
              notWritten + "The quantity \"12abc\" is not a number.\nType a whole number of "
                           "lines from 1 to 999999999999999, for example 5000.\n");
    EXPECT_EQ(refused({"--length", "-3", "--classes", ""}),
              notWritten + "The length \"-3\" gives empty passwords.\n" LENGTH_FROM_1);
    EXPECT_EQ(refused({"--classes", ""}), notWritten + NO_CLASS);
    refused({"--length", "x"});
    EXPECT_EQ(readBytes(file), "nr. 1    old\r\n");

    const std::string missing = (folder / "missing" / "new.txt").string();
    const Printed unwritable = carryOutHere({"file", missing});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, "The file \"" + missing +
                                  "\" was not written, and nothing on disk was changed.\nIts "
                                  "folder does not exist.\n");
    EXPECT_EQ(folder.names(), std::set<std::string>{"keep.txt"});
}

} // namespace
} // namespace quentara
