// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/frmGenerator.h"
#include "app/process_guard.h"
#include "generators/secure_random.h"
#include "program_info.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    quentara::keepMemoryOutOfDumps();
    // The command line is served before any QApplication exists: it needs no display. Qt's
    // own options (-platform, -style, ...) alone open the window, which reads them.
    if (quentara::wantsCommandLine(argc, argv))
        return quentara::runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(quentara::programName));
    QApplication::setApplicationVersion(QString::fromLatin1(quentara::programVersion));
    // The name of the installed desktop entry, so desktops show the window with its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(quentara::applicationId));

    // Passwords are only ever drawn from the operating system's secure source; without it,
    // stop rather than hand out guessable passwords.
    if (!quentara::startSecureRandom()) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QStringLiteral("Quentara cannot start: the operating system's "
                                             "secure random source is not available."));
        return 1;
    }

    quentara::SecureRandom random;
    quentara::frmGenerator window(quentara::Services::platform(random));
    // Not quit(): that asks every window again and gives up at the first one that refuses.
    QObject::connect(&window, &quentara::frmGenerator::programEnded, &app,
                     [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}
