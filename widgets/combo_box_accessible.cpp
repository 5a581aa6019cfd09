// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/combo_box_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace quentara {
namespace {

// As the toolkit's combo box, children and actions alike (the list, then the edit field), but
// named as every other control is: by its accessible name, else by its label.
class ComboBoxAccessible final : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return box()->lineEdit() != nullptr ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit() != nullptr)
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == box()->view())
            return 0;
        if (box()->lineEdit() != nullptr && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* edit = box()->lineEdit();
        if (edit != nullptr && edit->isVisible() &&
            QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y))
            return child(1);
        return nullptr;
    }
    // The box is the focus proxy of its edit field, which has the focus that the box shows.
    QAccessibleInterface* focusChild() const override {
        return box()->lineEdit() != nullptr ? child(1) : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboBoxFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    return box != nullptr ? new ComboBoxAccessible(box) : nullptr;
}

} // namespace

// The toolkit tries the factory installed last first, so this one comes before its own.
void installComboBoxAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace quentara
