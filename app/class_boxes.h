// SPDX-License-Identifier: GPL-3.0-or-later
// The four character-class boxes and the length row that the Easy and File Generator tabs share.
#pragma once

#include "generators/password_composer.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace quentara {

struct ClassBoxes {
    QCheckBox* uppercase = nullptr;
    QCheckBox* lowercase = nullptr;
    QCheckBox* digits = nullptr;
    QCheckBox* symbols = nullptr;

    ClassTicks ticks() const;
    void tickAll() const;
};

// The boxes' object names on their tab.
struct ClassBoxNames {
    const char* uppercase;
    const char* lowercase;
    const char* digits;
    const char* symbols;
};

// Builds the boxes at the places they have on both tabs.
ClassBoxes makeClassBoxes(QWidget* tab, const ClassBoxNames& names);

struct LengthRow {
    QLabel* label = nullptr;
    QComboBox* box = nullptr;
};

// The "Lenght:" label at `labelTop` (in twips) and the length box listing 1 to 50, showing
// `text`.
LengthRow makeLengthRow(QWidget* tab, const char* labelName, const char* boxName, int labelTop,
                        const QString& text);

} // namespace quentara
