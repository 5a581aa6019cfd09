// SPDX-License-Identifier: GPL-3.0-or-later
// A spin button: two arrows and no text field. It only reports presses and keys; what a
// step means is up to its owner.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quentara {

// Paces the steps of a held arrow: one after a pause, then at a steady rate.
class StepTimer {
public:
    virtual ~StepTimer() = default;
    virtual void start(std::function<void()> step) = 0;
    virtual void stop() = 0;
};

// The toolkit's timer: the first repeat after 250 ms, then every 50 ms.
class QtStepTimer final : public StepTimer {
public:
    void start(std::function<void()> step) override;
    void stop() override;

private:
    QTimer timer_;
};

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    // Tests hand in a timer they fire themselves.
    void setStepTimer(std::unique_ptr<StepTimer> timer) { repeat_ = std::move(timer); }
    // One press of an arrow, as a click on it gives: a screen reader's increase and decrease.
    void pressUp() { emit SpinUp(); }
    void pressDown() { emit SpinDown(); }

signals:
    void SpinUp();
    void SpinDown();
    // Every key that goes down while the button has the focus, each auto-repeat included.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // A key that comes up: once per real release, never for auto-repeat.
    void KeyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    enum class Arrow { none, up, down };
    Arrow arrowAt(QPoint position) const;
    void step();

    Arrow pressed_ = Arrow::none;
    std::unique_ptr<StepTimer> repeat_ = std::make_unique<QtStepTimer>();
};

} // namespace quentara
