// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/message_box.h"

#include "program_info.h"

#include <QMessageBox>

namespace quentara {

void QtMessageBox::show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromLatin1(programName), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace quentara
