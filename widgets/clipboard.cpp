// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clipboard.h"

#include "widgets/clipboard_formats.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quentara {
namespace {

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

std::unique_ptr<QMimeData> secretTextMimeData(const QString& text, ClipboardFlavour flavour) {
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    switch (flavour) {
    case ClipboardFlavour::unixDesktop:
        // Read by the KDE and other freedesktop clipboard managers.
        data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
        break;
    case ClipboardFlavour::windows:
        for (const ExclusionFormat& format : exclusionFormats)
            data->setData(windowsFormat(format.name), dword(format.value));
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
