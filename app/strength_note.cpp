// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/strength_note.h"

#include "generators/number_length.h"
#include "widgets/locale_numbers.h"

#include <QLineEdit>

namespace quentara {

StrengthNote::StrengthNote(QLineEdit* box, const char* what)
    : QObject(box), box_(box), what_(what) {
    connect(box, &QLineEdit::textChanged, this, &StrengthNote::describe);
}

void StrengthNote::show(const QString& result, const Strength& strength) {
    generated_ = result;
    figure_ =
        QStringLiteral("Strength: ") + QString::fromStdString(strengthFigure(strength, what_));
    box_->setText(result);
    describe(); // setText is silent when the text stays the same
}

void StrengthNote::describe() {
    const QString text = box_->text();
    QString note; // an empty result has no figure
    if (!text.isEmpty())
        note = text == generated_ ? figure_ : QStringLiteral("Strength unknown: edited by hand");
    box_->setToolTip(note);
    box_->setAccessibleDescription(note);
}

QString batchStrengthNote(const QString& lengthText, ClassTicks ticks) {
    const LengthReading length = readLengthText(lengthText.toStdString(), localeNumberMarks());
    const Strength strength = passwordStrength(length.value, ticks);
    if (length.problem != LengthProblem::none || strength.bits == 0)
        return {}; // the run would write no password, or none at all
    return QStringLiteral("Strength of each password: ") +
           QString::fromStdString(strengthFigure(strength, "password"));
}

} // namespace quentara
