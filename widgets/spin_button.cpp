// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/spin_button.h"

#include "widgets/spin_button_accessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace quentara {
namespace {
constexpr int firstRepeatMs = 250; // held arrows repeat after this pause ...
constexpr int repeatMs = 50;       // ... at this rate
} // namespace

void QtStepTimer::start(std::function<void()> step) {
    timer_.disconnect();
    QObject::connect(&timer_, &QTimer::timeout, [this, step = std::move(step)] {
        timer_.setInterval(repeatMs);
        step();
    });
    timer_.start(firstRepeatMs);
}

void QtStepTimer::stop() {
    timer_.stop();
}

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    installSpinButtonAccessible();
}

SpinButton::Arrow SpinButton::arrowAt(QPoint position) const {
    if (!rect().contains(position))
        return Arrow::none;
    return position.y() < height() / 2 ? Arrow::up : Arrow::down;
}

void SpinButton::step() {
    if (pressed_ == Arrow::up)
        pressUp();
    else if (pressed_ == Arrow::down)
        pressDown();
}

void SpinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        const Arrow arrow = i == 0 ? Arrow::up : Arrow::down;
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= pressed_ == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption indicator(button);
        indicator.rect = halves[i].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(arrow == Arrow::up ? QStyle::PE_IndicatorArrowUp
                                                  : QStyle::PE_IndicatorArrowDown,
                               &indicator, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = arrowAt(event->position().toPoint());
    update();
    step();
    repeat_->start([this] { step(); });
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    repeat_->stop();
    pressed_ = Arrow::none;
    update();
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
}

void SpinButton::keyReleaseEvent(QKeyEvent* event) {
    // A held key arrives as release+press pairs flagged auto-repeat; only the real release counts.
    if (!event->isAutoRepeat())
        emit KeyUp(event->key(), event->modifiers());
}

} // namespace quentara
