// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the window's Copy command have its shortcut while a text box has the focus.
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace quentara {

// A focused text box claims the copy key through a shortcut override even with nothing
// selected, so a menu shortcut would never see it. Installed on the application, this
// declines that claim for the command's own key while the command is enabled; while it is
// disabled the text box copies its selection as usual.
class CopyShortcutFilter final : public QObject {
    Q_OBJECT
public:
    // `command` is the Copy item of `window`; the filter lives as long as the command.
    CopyShortcutFilter(QAction* command, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* command_;
    QWidget* window_;
};

} // namespace quentara
