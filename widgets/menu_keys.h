// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that belong to a window's menus rather than to its text boxes.
#pragma once

#include <QObject>

class QMenuBar;

namespace quentara {

// Installed on the application:
// - Alt with a key types nothing into a text box or an editable combo box, in any window:
//   such a key is meant for the menus. Ctrl+Alt is left alone, as it stands for AltGr, with
//   which many keyboard layouts type characters they need ("@" on a German keyboard).
// - F10, released, opens the first menu of `bar`'s window, whatever has the focus there; the
//   focused control still gets the key's press and release.
// Alt alone reaches the menu bar through Qt's own handling, which this leaves as it is.
class MenuKeys final : public QObject {
    Q_OBJECT
public:
    explicit MenuKeys(QMenuBar* bar); // lives as long as `bar`

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* bar_;
};

} // namespace quentara
