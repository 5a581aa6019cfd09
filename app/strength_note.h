// SPDX-License-Identifier: GPL-3.0-or-later
// The strength of the result on show in a result box, as the box's tooltip and accessible
// description: the box itself looks as it always did.
#pragma once

#include "generators/strength.h"

#include <QObject>
#include <QString>

class QLineEdit;

namespace quentara {

class StrengthNote : public QObject {
public:
    // `what` names a result in the note: "password", "hex string", "user name".
    StrengthNote(QLineEdit* box, const char* what);

    // Puts a generated result into the box and notes its strength.
    void show(const QString& result, const Strength& strength);

private:
    void describe(); // after every change of the box's text, typed or set

    QLineEdit* box_;
    const char* what_;
    QString generated_; // the last result the program made
    QString figure_;    // its strength
};

// The note for the File tab's Generate button: the strength of each password a run would write.
QString batchStrengthNote(const QString& lengthText, ClassTicks ticks);

} // namespace quentara
