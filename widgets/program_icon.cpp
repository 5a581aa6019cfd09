// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/program_icon.h"

namespace quentara {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icon/quentara-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quentara
