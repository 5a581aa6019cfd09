// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/message_box.h"

#include <QStringList>

namespace quentara {

// Keeps the messages instead of opening modal boxes.
class RecordingMessageBox final : public MessageBox {
public:
    void show(QWidget*, const QString& text, MessageIcon icon) override {
        texts << text;
        icons.push_back(icon);
    }
    QStringList texts;
    std::vector<MessageIcon> icons;
};

} // namespace quentara
