// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quentara {
namespace {

// Qt hands a MIME type of this form to the Windows clipboard as the registered format named
// in `value`, with the bytes unchanged.
QString windowsFormat(const char* name) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}

QByteArray dword(quint32 value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF); // little-endian, as Windows
    return bytes;
}

} // namespace

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::place(std::unique_ptr<QMimeData> data) {
    QGuiApplication::clipboard()->setMimeData(data.release());
}

std::unique_ptr<QMimeData> secretTextMimeData(const QString& text, ClipboardFlavour flavour) {
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    switch (flavour) {
    case ClipboardFlavour::unixDesktop:
        // Read by the KDE and other freedesktop clipboard managers.
        data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
        break;
    case ClipboardFlavour::windows:
        // Its presence alone keeps the clipboard history and monitors out; the other two are
        // read as a DWORD, and 0 means no.
        data->setData(windowsFormat("ExcludeClipboardContentFromMonitorProcessing"), dword(1));
        data->setData(windowsFormat("CanIncludeInClipboardHistory"), dword(0));
        data->setData(windowsFormat("CanUploadToCloudClipboard"), dword(0));
        break;
    case ClipboardFlavour::macOS:
        // The pasteboard type that password-aware clipboard tools skip. Not yet checked on a
        // Mac that Qt hands it to the pasteboard under this very name.
        data->setData(QStringLiteral("org.nspasteboard.ConcealedType"), QByteArray());
        break;
    }
    return data;
}

} // namespace quentara
