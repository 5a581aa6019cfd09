// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/program_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace quentara {

QFont programFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (const QString& face :
         {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}) {
        if (QFontDatabase::hasFamily(face)) {
            font.setFamilies(QStringList{face});
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace quentara
