// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/program_window.h"

#include "widgets/program_font.h"
#include "widgets/program_icon.h"

#include <QWidget>

namespace quentara {

void dressProgramWindow(QWidget* window, const char* name, const QString& title) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->setWindowIcon(programIcon());
    window->setFont(programFont());
}

} // namespace quentara
