// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/beep.h"

#include <QApplication>

namespace quentara {

void QtBeep::beep() {
    QApplication::beep();
}

} // namespace quentara
