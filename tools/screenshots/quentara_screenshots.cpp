// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs the real main window on each of its four tabs, and the About dialog (also in a dark and a
// high-contrast palette), into PNG files in the folder given as the only argument.
// scripts/screenshots runs it on the offscreen platform, so the pictures in the README and the
// software centres always show the program as it is.
#include "about/frmAbout.h"
#include "app/frmGenerator.h"
#include "program_info.h"
#include "support/scripted_random.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using quentara::frmGenerator;

// A fixed sequence instead of the secure one, so the pictures change only when the program does.
std::vector<float> fixedDraws() {
    std::mt19937 engine(1234);
    std::vector<float> draws(100000);
    for (float& draw : draws)
        draw = static_cast<float>(engine() >> 8) * 0x1p-24f;
    return draws;
}

template <typename Control> Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr)
        std::fprintf(stderr, "quentara-screenshots: the window has no control %s\n", name);
    return found;
}

bool save(QWidget& widget, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "quentara-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// About in the default palette for the README, and in a dark and a high-contrast one to show
// that its texts follow the desktop's colours.
bool saveAboutInEachPalette(QWidget& about, const QDir& folder) {
    struct Shown {
        const char* file;
        QColor background;
        QColor text;
    };
    const Shown palettes[] = {{"about-dark.png", QColor(0x35, 0x35, 0x35), Qt::white},
                              {"about-high-contrast.png", Qt::black, Qt::white}};
    if (!save(about, folder, "about.png"))
        return false;
    for (const Shown& shown : palettes) {
        QPalette palette(shown.background, shown.background);
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, shown.text);
        QApplication::setPalette(palette);
        if (!save(about, folder, shown.file))
            return false;
    }
    QApplication::setPalette(QPalette());
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(quentara::programName));
    QApplication::setApplicationVersion(QString::fromLatin1(quentara::programVersion));
    if (argc != 2) {
        std::fprintf(stderr, "usage: quentara-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "quentara-screenshots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    quentara::ScriptedRandom draws(fixedDraws());
    frmGenerator window(quentara::Services::platform(draws));
    window.show();
    auto* tabs = control<quentara::TabControl>(window, "SSTab1");
    auto* firstName = control<QLineEdit>(window, "txtFirstname");
    auto* lastName = control<QLineEdit>(window, "txtLastname");
    if (tabs == nullptr || firstName == nullptr || lastName == nullptr)
        return 1;
    firstName->setText(QStringLiteral("Alice"));
    lastName->setText(QStringLiteral("Miller"));

    // Each tab as a user sees it after "Generate"; the File Generator tab as it opens, since its
    // "Generate" writes a file.
    struct Tab {
        const char* file;
        const char* generateButton;
    };
    const Tab shownTabs[] = {{"easy-generator.png", "cmdGenerate"},
                             {"file-generator.png", nullptr},
                             {"username.png", "cmduserGenerate"},
                             {"hex-generator.png", "cmdHexGenerate"}};
    for (int index = 0; index < 4; ++index) {
        tabs->setCurrentIndex(index);
        const Tab& tab = shownTabs[index];
        if (tab.generateButton != nullptr) {
            auto* button = control<QPushButton>(window, tab.generateButton);
            if (button == nullptr)
                return 1;
            button->click();
        }
        if (!save(window, folder, tab.file))
            return 1;
    }

    auto* about = control<QAction>(window, "mnuAbout");
    if (about == nullptr)
        return 1;
    about->trigger();
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<quentara::frmAbout*>(shown))
            return saveAboutInEachPalette(*dialog, folder) ? 0 : 1;
    std::fprintf(stderr, "quentara-screenshots: About did not open its dialog\n");
    return 1;
}
