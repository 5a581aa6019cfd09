// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls.h"

#include "widgets/combo_box_accessible.h"
#include "widgets/drop_down_combo_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace quentara {
namespace {

template <typename Control> Control* placed(Control* control, const char* name, QRect place) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    return control;
}

} // namespace

QLabel* makeLabel(QWidget* page, const char* name, const QString& caption, QRect place) {
    auto* label = placed(new QLabel(caption, page), name, place);
    // A caption wider than its place grows to the left, away from the box it names, rather
    // than being cut off: with the platform's sans, "Quantity:." is wider than its place.
    const int width = std::max(place.width(), label->sizeHint().width());
    label->setGeometry(place.right() + 1 - width, place.top(), width, place.height());
    return label;
}

void attachLabel(QLabel* label, QWidget* box) {
    label->setBuddy(box);
    // The colon (and the period of "Quantity:.") joins the caption to its box on the screen; it
    // is no part of the box's name, and a screen reader would read it out.
    QString name = label->text();
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char('.')))
        name.chop(1);
    nameControl(box, name);
    constexpr int gap = 2;
    const QRect place = label->geometry();
    if (place.right() + gap < box->x() || place.left() >= box->x())
        return;
    const int right = box->x() - gap - 1;
    const int width = std::max(label->sizeHint().width(), right + 1 - place.left());
    label->setGeometry(right + 1 - width, place.top(), width, place.height());
}

void nameControl(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo != nullptr && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

QCheckBox* makeCheckBox(QWidget* page, const char* name, const QString& caption, QRect place) {
    return placed(new QCheckBox(caption, page), name, place);
}

QLineEdit* makeTextBox(QWidget* page, const char* name, const QString& text, QRect place) {
    auto* box = placed(new QLineEdit(text, page), name, place);
    box->setMaxLength(std::numeric_limits<int>::max()); // the default silently cuts at 32767
    return box;
}

QComboBox* makeComboBox(QWidget* page, const char* name, const QStringList& items,
                        const QString& text, QRect place) {
    installComboBoxAccessible();
    auto* combo = placed(new DropDownComboBox(page), name, place);
    combo->addItems(items);
    combo->setInsertPolicy(QComboBox::NoInsert); // Enter must not add typed text to the list
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // Typed texts are compared exactly as typed: Qt's default completer would turn a typed
    // "2" into "256 bits" and "8 BITS" into "8 bits". Picking from the list needs none.
    combo->setCompleter(nullptr);
    combo->setEditText(text);
    return combo;
}

QPushButton* makeButton(QWidget* page, const char* name, const QString& caption, QRect place) {
    auto* button = placed(new QPushButton(caption, page), name, place);
    button->setAutoDefault(false); // Enter presses no button
    return button;
}

} // namespace quentara
