// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/copy_shortcut_filter.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace quentara {

CopyShortcutFilter::CopyShortcutFilter(QAction* command, QWidget* window)
    : QObject(command), command_(command), window_(window) {}

bool CopyShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !command_->isEnabled())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_)
        return false; // other windows keep their own copy key
    const auto* key = static_cast<QKeyEvent*>(event);
    if (QKeySequence(key->keyCombination()) != command_->shortcut())
        return false;
    event->ignore(); // not claimed: the shortcut goes to the command
    return true;
}

} // namespace quentara
