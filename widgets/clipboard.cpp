// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#ifdef Q_OS_WIN
#include <cstring>
#include <windows.h>
#endif

namespace quentara {
namespace {

// The Windows clipboard formats that keep a text out of the clipboard history and the cloud
// clipboard, with their DWORD values: the first counts by its presence alone, 0 means no.
struct ExclusionFormat {
    const char* name;
    quint32 value;
};
constexpr ExclusionFormat exclusionFormats[] = {{"ExcludeClipboardContentFromMonitorProcessing", 1},
                                                {"CanIncludeInClipboardHistory", 0},
                                                {"CanUploadToCloudClipboard", 0}};

// Qt's own way of naming a Windows clipboard format in a MIME type.
QString windowsFormat(const char* name) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}

#ifdef Q_OS_WIN
// Qt 6.4 reads such a MIME type from the clipboard under the format's own name but writes it
// under the whole MIME text, so Windows would never see the exclusion: the formats are put on
// the clipboard here beside Qt's data.
void addExclusionFormats() {
    if (!OpenClipboard(nullptr))
        return;
    for (const ExclusionFormat& format : exclusionFormats) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof format.value);
        if (memory == nullptr)
            continue;
        std::memcpy(GlobalLock(memory), &format.value, sizeof format.value);
        GlobalUnlock(memory);
        if (SetClipboardData(RegisterClipboardFormatA(format.name), memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}
#endif

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
#ifdef Q_OS_WIN
    const bool secret = data->hasFormat(windowsFormat(exclusionFormats[0].name));
    QGuiApplication::clipboard()->setMimeData(data.release());
    if (secret)
        addExclusionFormats();
#else
    QGuiApplication::clipboard()->setMimeData(data.release());
#endif
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
