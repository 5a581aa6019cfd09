// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable, started as a user's shell would, without a display: any window-system
// start (a QApplication) would fail at once on the "xcb" platform with no DISPLAY. What the
// process adds: its streams, its arguments' decoding, its signals and its start.
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <string>

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

// The program on the "xcb" platform with no display to reach.
void startWithoutDisplay(QProcess& process, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUENTARA_EXE), arguments);
}

// `setUp` prepares the process before it starts: its channels, its start in the child.
Outcome runQuentara(const QStringList& arguments,
                    const std::function<void(QProcess&)>& setUp = {}) {
    QProcess process;
    if (setUp)
        setUp(process);
    startWithoutDisplay(process, arguments);
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

// The arguments as the system hands them over; what is printed is read in process
// (tests/app/command_reading_test.cpp).
TEST(CommandLine, PrintsForWindowOptionsAndNamesInTheSystemsEncoding) {
    const Outcome defaults = runQuentara({"password"});
    EXPECT_EQ(defaults.exitCode, 0);
    expectLines(defaults.out, "[A-Za-z0-9#$%&'()*+]{6}", 1);
    expectLines(runQuentara({"-reverse", "-style", "Fusion", "hex", "8"}).out, "[0-9A-F]{2}", 1);
    expectLines(runQuentara({"username", "Åsa", "Ørsted"}).out, "ÅsØrs[0-9]{2}", 1);
    // A leading U+FEFF is the first of the two characters taken (reading text drops it, so it
    // is written as a QChar here and does not show in the output read).
    expectLines(runQuentara({"username", QChar(0xFEFF) + QStringLiteral("Jo"), "Ab"}).out,
                "JAb[0-9]{2}", 1);
}

#ifdef __linux__
struct QtOptions {
    const char* name;
    QStringList arguments;
};

class WindowOptionsReachQt : public testing::TestWithParam<QtOptions> {};

// The real program hands the options to QApplication, which finds no display here and stops
// (a platform that does not exist, or X11 without DISPLAY) instead of opening a window.
TEST_P(WindowOptionsReachQt, AndNotTheCommandLine) {
    QProcess process;
    startWithoutDisplay(process, GetParam().arguments);
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.contains("no Qt platform plugin could be initialized")) << err.toStdString();
    EXPECT_FALSE(err.contains("Quentara")) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, WindowOptionsReachQt,
                         testing::Values(QtOptions{"platform", {"-platform", "nosuchplatform"}},
                                         QtOptions{"style", {"-style", "Fusion"}},
                                         QtOptions{
                                             "reverseAndGeometry",
                                             {"-reverse", "-qwindowgeometry", "100x100+0+0"}}),
                         RowName());

// The program alone, as a user might copy it, says what it misses instead of failing silently.
TEST(CommandLine, WithoutItsWindowProgramSaysSo) {
    TempFolder folder;
    const std::filesystem::path lone = folder / "quentara";
    std::filesystem::copy_file(QUENTARA_EXE, lone);
    QProcess process;
    process.start(QString::fromStdString(lone.string()), {});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.startsWith("Quentara: cannot start the window (" +
                               QString::fromStdString(folder.path().string())))
        << err.toStdString();
}
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
    process.setChildProcessModifier([] {
        // Ctrl+C as a terminal's shell leaves it, though a background job's (this test run's)
        // would be ignored.
        ::signal(SIGINT, SIG_DFL);
        // Root sees every process's /proc files, dumpable or not: the program runs as nobody.
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
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
