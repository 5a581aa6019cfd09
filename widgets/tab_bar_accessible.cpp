// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tab_bar_accessible.h"

#include "widgets/tab_control.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>
#include <map>

namespace quentara {
namespace {

// One tab, named by its caption; pressing it selects it.
class TabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ != nullptr && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return bar_->tabText(index_);
        if (kind == QAccessible::Description)
            return bar_->tabToolTip(index_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect tab = bar_->tabRect(index_);
        return {bar_->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = index_ == bar_->currentIndex();
        state.focused = state.selected && bar_->hasFocus();
        state.disabled = !bar_->isTabEnabled(index_);
        state.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (isValid() && action == pressAction())
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

// The tabs are the children, at their own indexes: the bar's focus and selection events name a
// child by its tab's index.
class TabBarAccessible final : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (const auto& [index, id] : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const auto known = tabs_.find(index); known != tabs_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* tab = new TabAccessible(bar(), index);
        tabs_[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : tabs_) {
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    // The row is named by its selected tab, as the toolkit's own row is.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return bar()->tabText(bar()->currentIndex());
        return QAccessibleWidget::text(kind);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* tabBarFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QTabBar") ||
        qobject_cast<TabControl*>(object->parent()) == nullptr)
        return nullptr;
    return new TabBarAccessible(static_cast<QTabBar*>(object));
}

} // namespace

// The toolkit tries the factory installed last first, so this one comes before its own.
void installTabBarAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(tabBarFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace quentara
