// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/clipboard.h"

#include <QMap>
#include <QMimeData>
#include <QStringList>

namespace quentara {

// Keeps what the program does to the clipboard: "clear" and "text:<placed text>" in order,
// and every format of the data placed last.
class RecordingClipboard final : public Clipboard {
public:
    void clear() override { log << QStringLiteral("clear"); }
    void place(std::unique_ptr<QMimeData> data) override {
        log << QStringLiteral("text:") + data->text();
        lastFormats.clear();
        for (const QString& format : data->formats())
            lastFormats.insert(format, data->data(format));
    }
    QStringList log;
    QMap<QString, QByteArray> lastFormats;
};

} // namespace quentara
