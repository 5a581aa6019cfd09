// SPDX-License-Identifier: GPL-3.0-or-later
// A title bar that a fixed-size window draws itself: its icon, its title and a close button,
// nothing to minimise or maximise. Under Wayland Qt 6.4 draws the title bar of every window
// itself, always with minimise and maximise buttons, and a fixed-size window asked to maximise
// ends the program with a protocol error; this one takes its place there.
#pragma once

#include <QWidget>

class QLabel;
class QAbstractButton;

namespace quentara {

class TitleBar : public QWidget {
    Q_OBJECT
public:
    // A child of `window`, across its top; it follows the window's title and icon.
    explicit TitleBar(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override; // the window's width
    void mousePressEvent(QMouseEvent* event) override;          // drags the window

private:
    QLabel* icon_ = nullptr;
    QLabel* title_ = nullptr;
    QAbstractButton* close_ = nullptr;
};

// Makes the fixed-size top-level `window`, built but not yet shown, frameless with a TitleBar:
// its contents move down by the bar's height, and its fixed size grows by it.
void addOwnTitleBar(QWidget* window);

// addOwnTitleBar where Qt would draw the title bar itself (Wayland); elsewhere the window
// system draws it, and the window's flags rule out minimise and maximise.
void addOwnTitleBarWhereQtDrawsIt(QWidget* window);

} // namespace quentara
