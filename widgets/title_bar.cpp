// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/title_bar.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace quentara {
namespace {

constexpr int barHeight = 24;
constexpr int iconSize = 16;

// A cross in the title's colour, so it reads on the bar in any palette.
class CloseButton final : public QAbstractButton {
public:
    explicit CloseButton(QWidget* parent) : QAbstractButton(parent) {
        setFixedSize(barHeight - 4, barHeight - 4);
        setFocusPolicy(Qt::NoFocus); // not in the window's focus order
        setAttribute(Qt::WA_Hover);  // repainted as the pointer comes and goes
        setAccessibleName(QStringLiteral("Close"));
        setToolTip(QStringLiteral("Close"));
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = palette().color(QPalette::HighlightedText);
        if (underMouse() || isDown())
            painter.fillRect(rect(), QColor(colour.red(), colour.green(), colour.blue(), 48));
        painter.setPen(QPen(colour, 1.5));
        const QRectF cross = QRectF(rect()).adjusted(6, 6, -6, -6);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.bottomLeft(), cross.topRight());
    }
};

} // namespace

TitleBar::TitleBar(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("titleBar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Highlight);

    icon_ = new QLabel(this);
    icon_->setFixedSize(iconSize, iconSize);
    title_ = new QLabel(window->windowTitle(), this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setForegroundRole(QPalette::HighlightedText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    close_ = new CloseButton(this);
    close_->setObjectName(QStringLiteral("close"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 2, 0);
    row->addWidget(icon_);
    row->addWidget(title_, 1);
    row->addWidget(close_);

    const auto showIcon = [this](const QIcon& icon) {
        icon_->setPixmap(icon.pixmap(iconSize, iconSize));
    };
    showIcon(window->windowIcon());
    connect(window, &QWidget::windowIconChanged, this, showIcon);
    connect(window, &QWidget::windowTitleChanged, title_, &QLabel::setText);
    connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
    window->installEventFilter(this);
    setGeometry(0, 0, window->width(), barHeight);
}

bool TitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        resize(parentWidget()->width(), barHeight);
    return QWidget::eventFilter(watched, event);
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    QWindow* window = parentWidget()->windowHandle();
    if (event->button() == Qt::LeftButton && window != nullptr)
        window->startSystemMove();
}

void addOwnTitleBar(QWidget* window) {
    // Only the window's type stays: Qt drops the frameless hint beside any button hint.
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    auto* bar = new TitleBar(window);
    if (window->layout() != nullptr) {
        // The layout places the contents below the bar and sizes the window to hold both.
        QMargins margins = window->contentsMargins();
        margins.setTop(margins.top() + barHeight);
        window->setContentsMargins(margins);
    } else {
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child != bar && !child->isWindow())
                child->move(child->x(), child->y() + barHeight);
        }
        window->setFixedSize(window->width(), window->height() + barHeight);
    }
    bar->raise();
}

void addOwnTitleBarWhereQtDrawsIt(QWidget* window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        addOwnTitleBar(window);
}

} // namespace quentara
