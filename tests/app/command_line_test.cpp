// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable, started as a user's shell would, without a display: any window-system
// start (a QApplication) would fail at once on the "xcb" platform with no DISPLAY.
#include "app/command_line.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#ifdef __linux__
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quentara {
namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// `setUp` prepares the process before it starts: its channels, its start in the child.
Outcome runQuentara(const QStringList& arguments,
                    const std::function<void(QProcess&)>& setUp = {}) {
    QProcess process;
    if (setUp)
        setUp(process);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUENTARA_EXE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    Outcome outcome{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                    QString::fromUtf8(process.readAllStandardError())};
#ifdef Q_OS_WIN
    // Text written to a Windows console or pipe ends its lines with CR LF.
    for (QString* text : {&outcome.out, &outcome.err}) {
        EXPECT_EQ(text->count(QLatin1Char('\n')), text->count(QStringLiteral("\r\n")));
        text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
#endif
    return outcome;
}

// Every line of `text` matches `line`, and there are `lines` of them.
void expectLines(const QString& text, const char* line, int lines) {
    const QRegularExpression pattern(QStringLiteral("\\A(%1\n){%2}\\z").arg(line).arg(lines));
    EXPECT_TRUE(pattern.match(text).hasMatch()) << text.toStdString();
}

TEST(CommandLine, VersionAndHelp) {
    const Outcome version = runQuentara({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Quentara 1.1.6\n");
    EXPECT_EQ(version.err, "");
    const Outcome help = runQuentara({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: quentara [COMMAND [ARGUMENTS]]\n"))
        << help.out.toStdString();
}

#ifdef __linux__
struct Unwritable {
    const char* name;
    QStringList arguments;
    bool closed; // standard output closed, else /dev/full
    const char* message;
};

class UnwritableOutput : public testing::TestWithParam<Unwritable> {};

TEST_P(UnwritableOutput, GetsTheMessageAndExitCode1) {
    const Outcome outcome = runQuentara(GetParam().arguments, [](QProcess& process) {
        if (GetParam().closed)
            process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
    });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, GetParam().message);
}

#define FULL "Writing the output failed (No space left on device).\n"
#define CLOSED "Writing the output failed (Bad file descriptor).\n"

INSTANTIATE_TEST_SUITE_P(Rows, UnwritableOutput,
                         testing::Values(Unwritable{"helpOnFullDisk", {"--help"}, false, FULL},
                                         Unwritable{"helpClosed", {"--help"}, true, CLOSED},
                                         Unwritable{
                                             "versionOnFullDisk", {"--version"}, false, FULL},
                                         Unwritable{"versionClosed", {"--version"}, true, CLOSED},
                                         Unwritable{"password", {"password"}, false, FULL}),
                         RowName());
#endif

TEST(CommandLine, PrintsPasswordsHexStringsAndUserNames) {
    const Outcome defaults = runQuentara({"password"});
    EXPECT_EQ(defaults.exitCode, 0);
    expectLines(defaults.out, "[A-Za-z0-9#$%&'()*+]{6}", 1);
    const Outcome chosen =
        runQuentara({"password", "--length", "16", "--count=5", "--classes", "digits,symbols"});
    expectLines(chosen.out, "[0-9#$%&'()*+]{16}", 5);
    expectLines(runQuentara({"hex", "32"}).out, "[0-9A-F]{8}", 1);
    expectLines(runQuentara({"-reverse", "-style", "Fusion", "hex", "8"}).out, "[0-9A-F]{2}", 1);
    expectLines(runQuentara({"username", "Åsa", "Ørsted"}).out, "ÅsØrs[0-9]{2}", 1);
    expectLines(runQuentara({"username", "--", "-x", ""}).out, "-x[0-9]{2}", 1);
    // A leading U+FEFF is the first of the two characters taken (reading text drops it, so it
    // is written as a QChar here and does not show in the output read).
    expectLines(runQuentara({"username", QChar(0xFEFF) + QStringLiteral("Jo"), "Ab"}).out,
                "JAb[0-9]{2}", 1);
}

struct Refused {
    const char* name;
    QStringList arguments;
    const char* message;
};

class RefusedArgument : public testing::TestWithParam<Refused> {};

TEST_P(RefusedArgument, GetsTheMessageAndExitCode2) {
    const Outcome outcome = runQuentara(GetParam().arguments);
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

void PrintTo(const WindowOptions& row, std::ostream* out) {
    *out << row.name;
}

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

#ifdef __linux__
class WindowOptionsReachQt : public testing::TestWithParam<WindowOptions> {};

// The real program hands the options to QApplication, which finds no display here and stops
// (a platform that does not exist, or X11 without DISPLAY) instead of opening a window.
TEST_P(WindowOptionsReachQt, AndNotTheCommandLine) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    QStringList arguments;
    for (const std::string& argument : GetParam().arguments)
        arguments << QString::fromStdString(argument);
    process.start(QStringLiteral(QUENTARA_EXE), arguments);
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.contains("no Qt platform plugin could be initialized")) << err.toStdString();
    EXPECT_FALSE(err.contains("Quentara")) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowOptionsReachQt,
    testing::Values(
        WindowOptions{"platform", {"-platform", "nosuchplatform"}, true},
        WindowOptions{"style", {"-style", "Fusion"}, true},
        WindowOptions{"reverseAndGeometry", {"-reverse", "-qwindowgeometry", "100x100+0+0"}, true}),
    RowName());
#endif

TEST(CommandLine, WritesTheBatchFileInTheWindowsFormat) {
    TempFolder folder;
    const std::filesystem::path file = folder / "passwords.txt";
    const Outcome outcome =
        runQuentara({"file", QString::fromStdString(file.string()), "--quantity", "12", "--length",
                     "5", "--classes", "symbols"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out + outcome.err, ""); // no progress line off a terminal
    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.size(), 9 * 16 + 3 * 17u);
    QString expected = "\\A";
    for (int line = 1; line <= 12; ++line)
        expected += QStringLiteral("nr\\. %1    [#$%&'()*+]{5}\r\n").arg(line);
    EXPECT_TRUE(
        QRegularExpression(expected + "\\z").match(QString::fromStdString(bytes)).hasMatch())
        << bytes;
#ifndef _WIN32
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
    EXPECT_EQ(folder.names(), std::set<std::string>{"passwords.txt"});
}

TEST(CommandLine, RefusedFileArgumentsLeaveTheFileAsItWas) {
    TempFolder folder;
    const std::filesystem::path file = folder / "keep.txt";
    writeBytes(file, "nr. 1    old\r\n");
    const QString name = QString::fromStdString(file.string());
    const QString notWritten =
        "The file \"" + name + "\" was not written, and nothing on disk was changed.\n";
    // The window's order: the quantity, then the length, then the classes.
    const Outcome quantity =
        runQuentara({"file", name, "--quantity", "12abc", "--length", "0", "--classes", ""});
    EXPECT_EQ(quantity.exitCode, 2);
    EXPECT_EQ(quantity.err, notWritten + "The quantity \"12abc\" is not a number.\nType a whole "
                                         "number of lines from 1 to 999999999999999, for example "
                                         "5000.\n");
    const Outcome length = runQuentara({"file", name, "--length", "-3", "--classes", ""});
    EXPECT_EQ(length.exitCode, 2);
    EXPECT_EQ(length.err, notWritten + "The length \"-3\" gives empty passwords.\n" LENGTH_FROM_1);
    const Outcome classes = runQuentara({"file", name, "--classes", ""});
    EXPECT_EQ(classes.exitCode, 2);
    EXPECT_EQ(classes.err, notWritten + NO_CLASS);
    EXPECT_EQ(runQuentara({"file", name, "--length", "x"}).exitCode, 2);
    EXPECT_EQ(readBytes(file), "nr. 1    old\r\n");

    const QString missing = QString::fromStdString((folder / "missing" / "new.txt").string());
    const Outcome unwritable = runQuentara({"file", missing});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, "The file \"" + missing +
                                  "\" was not written, and nothing on disk was changed.\nIts "
                                  "folder does not exist.\n");
    EXPECT_EQ(folder.names(), std::set<std::string>{"keep.txt"});
}

#ifdef __linux__
TEST(CommandLine, ProgressLineShowsTheControlCharactersOfTheName) {
    TempFolder folder;
    const std::filesystem::path file = folder / "a\x1b[2Jb.txt"; // would clear the screen
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const QString side = QString::fromLocal8Bit(::ptsname(terminal));
    // Held open, so the terminal keeps what the program wrote after it ends.
    const int held = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
    const Outcome outcome =
        runQuentara({"file", QString::fromStdString(file.string()), "--quantity", "3"},
                    [&](QProcess& process) { process.setStandardErrorFile(side); });
    std::string shown;
    char buffer[4096];
    for (ssize_t got = 0; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, static_cast<std::size_t>(got));
    ::close(held);
    ::close(terminal);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(shown.find('\x1b'), std::string::npos) << shown;
    EXPECT_NE(shown.find("\rWriting " + folder.path().string() +
                         "/a\\x1b[2Jb.txt: 100% (3 of 3 lines)\r\n"),
              std::string::npos)
        << shown;
}
#endif

#ifdef __linux__
// A core file, or another process of the user, would see the passwords the program holds; and
// a reader that stops reading must not make the program deaf to Ctrl+C.
TEST(CommandLine, KeepsItsMemoryOutOfCoreDumpsAndHearsCtrlCOnAFullPipe) {
    TempFolder folder;
    const std::filesystem::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    ::chmod(pipe.c_str(), 0666); // writable by nobody, whatever the umask
    // Held open but never read: once the pipe is full, the program stalls in its write.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    QProcess process;
    // Root sees every process's /proc files, dumpable or not: the program runs as nobody then.
    if (::geteuid() == 0)
        process.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(127);
        });
    process.start(QStringLiteral(QUENTARA_EXE),
                  {"file", QString::fromStdString(pipe.string()), "--quantity", "100000"});
    pollfd written{reader, POLLIN, 0};
    ASSERT_EQ(::poll(&written, 1, 10000), 1); // past the start of main
    const std::string proc = "/proc/" + std::to_string(process.processId());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\nMax core file size +0 +0 +bytes"))
                    .match(QString::fromStdString(readBytes(proc + "/limits")))
                    .hasMatch());
    struct stat status {};
    ASSERT_EQ(::stat((proc + "/status").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 0u); // else the user the program runs as: it would be dumpable

    // Ctrl+C ends the run although its write waits on the full pipe, as it ends `cat > FIFO`.
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    EXPECT_TRUE(process.waitForFinished(10000));
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit); // by the signal, as asked
    EXPECT_EQ(folder.names(), std::set<std::string>{"pipe"});
    ::close(reader);
}
#endif

} // namespace
} // namespace quentara
