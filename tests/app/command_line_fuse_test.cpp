// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable writes a batch file on a file system that cannot set modes (FAT through
// FUSE): the file is written all the same, and the user is told it is not for them alone.
#include "support/fuse_mount.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace quentara {
namespace {

TEST(CommandLineOnFuse, WritesTheFileWhereModesCannotBeSetAndSaysSo) {
    FuseMount fuse(FuseMount::Modes::refused);
    if (!fuse.unavailable().empty())
        GTEST_SKIP() << fuse.unavailable();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    // The path as a user types it, relative to the folder they are in.
    process.setWorkingDirectory(QString::fromStdString(fuse.folder().string()));
    process.start(QStringLiteral(QUENTARA_EXE), {"file", "mount/pw.txt", "--quantity", "10"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "");
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              "The file \"mount/pw.txt\" was written, but its file system cannot make it "
              "readable by its owner only.\n");
    QString expected = "\\A";
    for (int line = 1; line <= 10; ++line)
        expected += QStringLiteral("nr\\. %1    [A-Za-z0-9#$%&'()*+]{8}\r\n").arg(line);
    const std::string bytes = readBytes(fuse.mount() / "pw.txt");
    EXPECT_TRUE(
        QRegularExpression(expected + "\\z").match(QString::fromStdString(bytes)).hasMatch())
        << bytes;
    EXPECT_EQ(namesIn(fuse.backing()), std::set<std::string>{"pw.txt"});
}

} // namespace
} // namespace quentara
