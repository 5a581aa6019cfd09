// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/class_boxes.h"

#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>

namespace quentara {

ClassTicks ClassBoxes::ticks() const {
    return ClassTicks{uppercase->isChecked(), lowercase->isChecked(), digits->isChecked(),
                      symbols->isChecked()};
}

void ClassBoxes::tickAll() const {
    for (QCheckBox* box : {uppercase, lowercase, digits, symbols})
        box->setChecked(true);
}

ClassBoxes makeClassBoxes(QWidget* tab, const ClassBoxNames& names) {
    ClassBoxes boxes;
    boxes.digits =
        makeCheckBox(tab, names.digits, QStringLiteral("Numbers"), twipsRect(960, 540, 1815, 255));
    boxes.symbols = makeCheckBox(tab, names.symbols, QStringLiteral("Symbols"),
                                 twipsRect(2880, 540, 1815, 255));
    boxes.uppercase = makeCheckBox(tab, names.uppercase, QStringLiteral("Char uppercase"),
                                   twipsRect(960, 900, 1815, 255));
    boxes.lowercase = makeCheckBox(tab, names.lowercase, QStringLiteral("Char lowercase"),
                                   twipsRect(2880, 900, 1815, 255));
    return boxes;
}

LengthRow makeLengthRow(QWidget* tab, const char* labelName, const char* boxName, int labelTop,
                        const QString& text) {
    QStringList lengths;
    for (int n = 1; n <= 50; ++n) {
        if (n != 11) // the list has always skipped 11; it can still be typed
            lengths << QString::number(n);
    }
    LengthRow row;
    row.label =
        makeLabel(tab, labelName, QStringLiteral("Lenght:"), twipsRect(1320, labelTop, 615, 255));
    row.box = makeComboBox(tab, boxName, lengths, text, twipsRect(2040, 1260, 1695, 315));
    return row;
}

} // namespace quentara
