// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows clipboard formats that keep a text out of the clipboard history and the cloud
// clipboard, with their DWORD values: the first counts by its presence alone, 0 means no.
#pragma once

#include <QString>
#include <QtGlobal>

namespace quentara {

struct ExclusionFormat {
    const char* name;
    quint32 value;
};
inline constexpr ExclusionFormat exclusionFormats[] = {
    {"ExcludeClipboardContentFromMonitorProcessing", 1},
    {"CanIncludeInClipboardHistory", 0},
    {"CanUploadToCloudClipboard", 0}};

// Qt's own way of naming a Windows clipboard format in a MIME type.
inline QString windowsFormat(const char* name) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}

} // namespace quentara
