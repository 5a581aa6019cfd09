// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialog_history.h"

#include <QSettings>

namespace quentara {

void keepNoDialogHistory() {
    // The dialog keeps its history in QtProject.conf in the user's settings folder. Below
    // /dev/null, a device and never a folder, no file can be made or read: the dialog writes
    // nothing, and starts without the history other programs left there.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/dev/null/none"));
}

} // namespace quentara
