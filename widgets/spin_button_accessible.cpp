// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/spin_button_accessible.h"

#include "widgets/spin_button.h"

#include <QAccessibleWidget>

namespace quentara {
namespace {

// The button has no value of its own, so it offers no value: only the two steps, which go the
// way of a click on an arrow. Keys keep their own rule and are no binding of either action.
class SpinButtonAccessible final : public QAccessibleWidget {
public:
    explicit SpinButtonAccessible(SpinButton* button)
        : QAccessibleWidget(button, QAccessible::SpinBox) {}

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        auto* button = static_cast<SpinButton*>(widget());
        if (action == increaseAction())
            button->pressUp();
        else if (action == decreaseAction())
            button->pressDown();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* spinButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(SpinButton::staticMetaObject.className()))
        return nullptr;
    if (auto* button = qobject_cast<SpinButton*>(object))
        return new SpinButtonAccessible(button);
    return nullptr;
}

} // namespace

void installSpinButtonAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(spinButtonFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace quentara
