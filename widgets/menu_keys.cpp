// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/menu_keys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace quentara {
namespace {

// Alt without Ctrl, with a key that would type a character.
bool altTypes(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (!modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::ControlModifier))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && text.front().category() != QChar::Other_Control;
}

// Text boxes and editable combo boxes take typed text, and so take input methods too;
// buttons, check boxes, the tab bar and the spin button take neither.
bool takesText(const QObject* watched) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->testAttribute(Qt::WA_InputMethodEnabled);
}

} // namespace

MenuKeys::MenuKeys(QMenuBar* bar) : QObject(bar), bar_(bar) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return takesText(watched) && altTypes(*static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* window = bar_->window();
    if (widget == nullptr || widget->window() != window || !bar_->isVisible())
        return false;
    // A key goes to the focused control first, then to each parent while they ignore it: the
    // menu opens once, at the first of these.
    const QWidget* focused = window->focusWidget() != nullptr ? window->focusWidget() : window;
    if (widget != focused)
        return false;
    for (QAction* menu : bar_->actions()) {
        if (menu->isVisible() && menu->isEnabled()) {
            bar_->setActiveAction(menu);
            break;
        }
    }
    return false; // the focused control hears the release all the same
}

} // namespace quentara
