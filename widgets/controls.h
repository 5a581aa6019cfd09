// SPDX-License-Identifier: GPL-3.0-or-later
// Creates the controls of a fixed dialog page: named, placed in twips, sized as given.
#pragma once

#include <QRect>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quentara {

// `place` is a twipsRect. The object name is the control's name in the program.
QLabel* makeLabel(QWidget* page, const char* name, const QString& caption, QRect place);
// Makes `label`'s caption, without the colon that ends it, the name of `box` for screen readers
// and keeps the caption clear of the box: where the label reaches under the box, it moves left
// of it, growing leftwards.
void attachLabel(QLabel* label, QWidget* box);
// Names `control` for screen readers; the edit field of a combo box gets the same name.
void nameControl(QWidget* control, const QString& name);
QCheckBox* makeCheckBox(QWidget* page, const char* name, const QString& caption, QRect place);
QLineEdit* makeTextBox(QWidget* page, const char* name, const QString& text, QRect place);
QComboBox* makeComboBox(QWidget* page, const char* name, const QStringList& items,
                        const QString& text, QRect place);
QPushButton* makeButton(QWidget* page, const char* name, const QString& caption, QRect place);

} // namespace quentara
