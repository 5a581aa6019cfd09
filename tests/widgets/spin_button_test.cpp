// SPDX-License-Identifier: GPL-3.0-or-later
// The spin button as the quantity's spinner drives it: presses, held arrows.
#include "batch/batch_window_fixture.h"
#include "widgets/spin_button.h"

namespace quentara {
namespace {

TEST_F(BatchWindowTest, EveryArrowPressReachesItsHandler) {
    selectFileTab();
    SpinButton* spin = control<SpinButton>("SpinButton1");
    for (int i = 0; i < 30; ++i)
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_EQ(quantity(), "5300");
    for (int i = 0; i < 60; ++i)
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 3));
    EXPECT_EQ(quantity(), "4700");
}

// Fired by the test instead of the clock.
class ManualStepTimer final : public StepTimer {
public:
    void start(std::function<void()> step) override { step_ = std::move(step); }
    void stop() override { step_ = nullptr; }
    void fire() const {
        if (step_)
            step_();
    }

private:
    std::function<void()> step_;
};

TEST_F(BatchWindowTest, AnArrowHeldDownKeepsSteppingUntilItIsReleased) {
    selectFileTab();
    SpinButton* spin = control<SpinButton>("SpinButton1");
    auto timer = std::make_unique<ManualStepTimer>();
    const ManualStepTimer& repeats = *timer;
    spin->setStepTimer(std::move(timer));
    const QPoint up(spin->width() / 2, 2);
    QTest::mousePress(spin, Qt::LeftButton, {}, up);
    EXPECT_EQ(quantity(), "5010");
    repeats.fire();
    repeats.fire();
    EXPECT_EQ(quantity(), "5030");
    QTest::mouseRelease(spin, Qt::LeftButton, {}, up);
    repeats.fire();
    EXPECT_EQ(quantity(), "5030");
}

} // namespace
} // namespace quentara
