// SPDX-License-Identifier: GPL-3.0-or-later
// A tabbed dialog control whose pages cover the whole control, tab row included, so
// controls are placed relative to the control's top-left corner like on a dialog page.
#pragma once

#include <QTabBar>
#include <QWidget>
#include <vector>

namespace quentara {

class TabControl : public QWidget {
    Q_OBJECT
public:
    TabControl(int tabHeight, QWidget* parent = nullptr);

    // Adds a tab and returns its page; children of the page are shown only with its tab.
    QWidget* addTab(const QString& caption);
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(pages_.size()); }
    int currentIndex() const { return tabBar_->currentIndex(); }
    void setCurrentIndex(int index) { tabBar_->setCurrentIndex(index); }
    QTabBar* tabBar() const { return tabBar_; }

signals:
    // The user (or the program) selected another tab; carries the tab selected before.
    void Click(int previousTab);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showPage(int index);

    QTabBar* tabBar_ = nullptr;
    std::vector<QWidget*> pages_;
    int shownIndex_ = -1;
};

} // namespace quentara
