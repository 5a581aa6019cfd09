// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/path_text.h"

#include <QFile>

namespace quentara {

std::filesystem::path pathFromText(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    const QByteArray encoded = QFile::encodeName(text); // the locale's file name encoding
    return std::filesystem::path(encoded.toStdString());
#endif
}

} // namespace quentara
