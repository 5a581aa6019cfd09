// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the user's input away from every window while a batch file is written: the run
// lets the window repaint and hear close requests, but takes no clicks, keys or shortcuts.
#pragma once

#include <QObject>

namespace quentara {

class InputBlocker final : public QObject {
public:
    InputBlocker();  // blocks from here ...
    ~InputBlocker(); // ... to here
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quentara
