// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clipboard.h"
#include "widgets/clipboard_formats.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstring>
#include <windows.h>

namespace quentara {
namespace {

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

} // namespace

void QtClipboard::place(std::unique_ptr<QMimeData> data) {
    const bool secret = data->hasFormat(windowsFormat(exclusionFormats[0].name));
    QGuiApplication::clipboard()->setMimeData(data.release());
    if (secret)
        addExclusionFormats();
}

ClipboardFlavour nativeClipboardFlavour() {
    return ClipboardFlavour::windows;
}

} // namespace quentara
