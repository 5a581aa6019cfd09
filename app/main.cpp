#include "app/frmGenerator.h"
#include "generators/random.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quentara"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUENTARA_VERSION_MAJOR)
                                            .arg(QUENTARA_VERSION_MINOR)
                                            .arg(QUENTARA_VERSION_PATCH));

    // Passwords are only ever drawn from the operating system's secure source; without it,
    // stop rather than hand out guessable passwords.
    if (!quentara::StartSecureRandom()) {
        QMessageBox::critical(nullptr, QStringLiteral("Quentara"),
                              QStringLiteral("Quentara cannot start: the operating system's "
                                             "secure random source is not available."));
        return 1;
    }

    quentara::frmGenerator window;
    window.show();
    return QApplication::exec();
}
