#include "widgets/beep.h"

#include <QApplication>

namespace quentara {

void QtBeep::beep() {
    QApplication::beep();
}

} // namespace quentara
