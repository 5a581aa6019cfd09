// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tab_control.h"

#include "widgets/tab_bar_accessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace quentara {
namespace {

// All tabs in one row, sharing the control's width equally, at a fixed height.
class EvenTabBar : public QTabBar {
public:
    EvenTabBar(int tabHeight, QWidget* parent) : QTabBar(parent), tabHeight_(tabHeight) {
        setExpanding(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
        setDrawBase(false);
    }

protected:
    QSize tabSizeHint(int index) const override {
        const int tabs = std::max(1, count());
        const int width = parentWidget()->width();
        return {width / tabs + (index < width % tabs ? 1 : 0), tabHeight_};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    // The style's own tab painting keeps wide margins and cuts "Easy Generator" short in a
    // quarter of the row; the shape stays the style's, the caption gets the whole tab.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int i = 0; i < count(); ++i) {
            QStyleOptionTab tab;
            initStyleOption(&tab, i);
            style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &painter, this);
            style()->drawItemText(&painter, tab.rect, Qt::AlignCenter | Qt::TextShowMnemonic,
                                  tab.palette, tab.state & QStyle::State_Enabled, tab.text,
                                  QPalette::WindowText);
            if (i == currentIndex() && hasFocus()) {
                QStyleOptionFocusRect focus;
                focus.initFrom(this);
                focus.rect = tab.rect.adjusted(3, 3, -3, -3);
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
            }
        }
    }

private:
    int tabHeight_;
};

} // namespace

TabControl::TabControl(int tabHeight, QWidget* parent) : QWidget(parent) {
    installTabBarAccessible(); // before the row exists, so it never meets the toolkit's view
    tabBar_ = new EvenTabBar(tabHeight, this);
    setFocusProxy(tabBar_);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) {
        const int previous = shownIndex_;
        showPage(index);
        emit Click(previous);
    });
}

QWidget* TabControl::addTab(const QString& caption) {
    auto* page = new QWidget(this);
    page->setAccessibleName(caption); // a screen reader names the page as the tab
    page->setGeometry(rect());
    page->hide();
    pages_.push_back(page);
    tabBar_->raise(); // the tab row stays clickable above the pages
    // Adding the first tab selects it, which shows its page through currentChanged.
    tabBar_->addTab(caption);
    if (count() == 1)
        showPage(0);
    return page;
}

void TabControl::showPage(int index) {
    if (index == shownIndex_)
        return;
    if (shownIndex_ >= 0 && shownIndex_ < count())
        page(shownIndex_)->hide();
    shownIndex_ = index;
    if (index >= 0 && index < count())
        page(index)->show();
}

void TabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* page : pages_)
        page->setGeometry(rect());
    tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabBar_->size();
    frame.selectedTabRect = tabBar_->tabRect(currentIndex());
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    frame.rect = rect().adjusted(0, tabBar_->height() - overlap, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TabControl::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab and Ctrl+Shift+Tab move between tabs from anywhere on the control.
    if (event->modifiers() & Qt::ControlModifier && count() > 0 &&
        (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        const int step = event->key() == Qt::Key_Backtab ? count() - 1 : 1;
        setCurrentIndex((currentIndex() + step) % count());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quentara
