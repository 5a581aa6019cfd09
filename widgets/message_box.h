// SPDX-License-Identifier: GPL-3.0-or-later
// Messages to the user, behind an interface so tests can record them instead.
#pragma once

#include <QString>

class QWidget;

namespace quentara {

enum class MessageIcon { none, warning };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // A modal box captioned with the program's title, with an OK button only.
    virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override;
};

} // namespace quentara
