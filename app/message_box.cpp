#include "app/message_box.h"

#include <QMessageBox>

namespace quentara {

void QtMessageBox::show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QStringLiteral("Quentara"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace quentara
