// A spin button: two arrows and no text field. It only reports presses and keys; what a
// step means is up to its owner.
#pragma once

#include <QTimer>
#include <QWidget>

namespace quentara {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

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
    QTimer repeat_;
};

} // namespace quentara
