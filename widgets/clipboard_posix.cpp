// SPDX-License-Identifier: GPL-3.0-or-later
// Qt hands every format of the data to the clipboard as it is named.
#include "widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quentara {

void QtClipboard::place(std::unique_ptr<QMimeData> data) {
    QGuiApplication::clipboard()->setMimeData(data.release());
}

ClipboardFlavour nativeClipboardFlavour() {
#ifdef Q_OS_MACOS
    return ClipboardFlavour::macOS;
#else
    return ClipboardFlavour::unixDesktop;
#endif
}

} // namespace quentara
