// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmGenerator.h"
#include "app/window_program.h"
#include "generators/secure_random.h"
#include "program_info.h"

#include <QApplication>
#include <QMessageBox>

namespace quentara {

int runWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(programName));
    QApplication::setApplicationVersion(QString::fromLatin1(programVersion));
    // The name of the installed desktop entry, so desktops show the window with its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(applicationId));

    // Passwords are only ever drawn from the operating system's secure source; without it,
    // stop rather than hand out guessable passwords.
    if (!startSecureRandom()) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QStringLiteral("Quentara cannot start: the operating system's "
                                             "secure random source is not available."));
        return 1;
    }

    SecureRandom random;
    frmGenerator window(Services::platform(random));
    // Not quit(): that asks every window again and gives up at the first one that refuses.
    QObject::connect(&window, &frmGenerator::programEnded, &app, [] { QCoreApplication::exit(0); });
    window.show();
    return QApplication::exec();
}

} // namespace quentara
