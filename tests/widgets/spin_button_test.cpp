// SPDX-License-Identifier: GPL-3.0-or-later
// The spin button as the quantity's spinner drives it: presses, held arrows.
#include "batch/batch_window_fixture.h"

namespace quentara {
namespace {

TEST_F(BatchWindowTest, EveryArrowPressReachesItsHandler) {
    selectFileTab();
    for (int i = 0; i < 30; ++i)
        clickArrow(true);
    EXPECT_EQ(quantity(), "5300");
    for (int i = 0; i < 60; ++i)
        clickArrow(false);
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
    auto timer = std::make_unique<ManualStepTimer>();
    const ManualStepTimer& repeats = *timer;
    spinner()->setStepTimer(std::move(timer));
    QTest::mousePress(spinner(), Qt::LeftButton, {}, arrow(true));
    EXPECT_EQ(quantity(), "5010");
    repeats.fire();
    repeats.fire();
    EXPECT_EQ(quantity(), "5030");
    QTest::mouseRelease(spinner(), Qt::LeftButton, {}, arrow(true));
    repeats.fire();
    EXPECT_EQ(quantity(), "5030");
}

} // namespace
} // namespace quentara
