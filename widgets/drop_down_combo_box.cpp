// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/drop_down_combo_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QWheelEvent>
#include <optional>

namespace quentara {
namespace {

enum class Step { down, up };

// The keys with which QComboBox steps through its list: Ctrl+Up and Ctrl+Down go to the edit
// box, Alt+Down opens the list.
std::optional<Step> listStep(const QKeyEvent& event) {
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    const bool alt = event.modifiers().testFlag(Qt::AltModifier);
    switch (event.key()) {
    case Qt::Key_Up:
        return ctrl ? std::nullopt : std::optional(Step::up);
    case Qt::Key_PageUp:
        return Step::up;
    case Qt::Key_Down:
        return ctrl || alt ? std::nullopt : std::optional(Step::down);
    case Qt::Key_PageDown:
        return Step::down;
    default:
        return std::nullopt;
    }
}

} // namespace

DropDownComboBox::DropDownComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    connect(this, &QComboBox::editTextChanged, this, &DropDownComboBox::followText);
}

int DropDownComboBox::textItem() const {
    return findText(currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

// Makes the item equal to the text current. Its text is the box's already, so the edit box,
// its cursor and its undo history stay as they are.
void DropDownComboBox::followText() {
    const int item = textItem();
    if (item >= 0 && item != currentIndex())
        setCurrentIndex(item);
}

void DropDownComboBox::stepFromNoItem(bool down) {
    if (!down)
        return;
    for (int row = 0; row < count(); ++row) {
        if (model()->index(row, modelColumn(), rootModelIndex()).flags() & Qt::ItemIsEnabled) {
            setCurrentIndex(row);
            emit activated(row);
            emit textActivated(itemText(row));
            return;
        }
    }
}

void DropDownComboBox::keyPressEvent(QKeyEvent* event) {
    const std::optional<Step> step = listStep(*event);
    if (!step || textItem() >= 0) {
        followText();
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    stepFromNoItem(*step == Step::down);
}

void DropDownComboBox::wheelEvent(QWheelEvent* event) {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const bool steps = style()->styleHint(QStyle::SH_ComboBox_AllowWheelScrolling, &option, this) &&
                       !view()->isVisible() && event->angleDelta().y() != 0;
    if (!steps || textItem() >= 0) {
        followText();
        QComboBox::wheelEvent(event);
        return;
    }
    event->accept();
    stepFromNoItem(event->angleDelta().y() < 0);
}

void DropDownComboBox::showPopup() {
    followText();
    QComboBox::showPopup();
    if (textItem() < 0) { // the list opens on the last item shown: no item is the text's
        view()->selectionModel()->clear();
        view()->scrollToTop();
    }
}

} // namespace quentara
