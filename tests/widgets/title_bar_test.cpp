// SPDX-License-Identifier: GPL-3.0-or-later
// The title bar that the windows draw themselves where Qt would draw its own (Wayland), tried
// on the real windows under the offscreen platform.
#include "about/frmAbout.h"
#include "app/frmGenerator.h"
#include "generators/secure_random.h"
#include "support/batch_fakes.h"
#include "support/recording_clipboard.h"
#include "support/recording_message_box.h"
#include "support/row_name.h"
#include "support/scripted_sys_info.h"
#include "widgets/title_bar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace quentara {
namespace {

struct FakeServices {
    RecordingMessageBox messages;
    RecordingClipboard clipboard;
    RecordingBeep beep;
    ScriptedFileChooser chooser;
    ForwardingFileLayer files;
    RecordingSysInfoTool sysInfoTool;
    SecureRandom random;
    Services all{messages, clipboard, beep, chooser, files, sysInfoTool, random};
};

struct TitledWindow {
    const char* name;
    std::function<QWidget*(Services&)> make;
    const char* title;
    const char* control; // one of its controls, which must keep its place below the bar
};

class OwnTitleBar : public testing::TestWithParam<TitledWindow> {
protected:
    // The window as built, shown; with addOwnTitleBar applied first when `titled`.
    QPointer<QWidget> show(bool titled) {
        QPointer<QWidget> window = GetParam().make(services.all);
        if (titled)
            addOwnTitleBar(window);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        windows.push_back(window);
        return window;
    }

    QPoint placeOfControl(QWidget* window) const {
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
        EXPECT_NE(control, nullptr);
        return control == nullptr ? QPoint() : control->mapTo(window, QPoint());
    }

    void TearDown() override {
        for (const QPointer<QWidget>& window : windows)
            delete window.data(); // before the services they use
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FakeServices services;
    std::vector<QPointer<QWidget>> windows;
};

TEST_P(OwnTitleBar, ShowsTheTitleAndOnlyACloseButtonAboveTheContents) {
    QPointer<QWidget> plain = show(false);
    QPointer<QWidget> titled = show(true);
    EXPECT_TRUE(titled->windowFlags() & Qt::FramelessWindowHint);
    auto* bar = titled->findChild<TitleBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->findChild<QLabel*>(QStringLiteral("title"))->text(), GetParam().title);
    const QList<QAbstractButton*> buttons = bar->findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 1) << "nothing to minimise or maximise";
    EXPECT_EQ(buttons.front()->accessibleName(), "Close");
    EXPECT_EQ(bar->geometry(), QRect(0, 0, plain->width(), 24));
    EXPECT_EQ(titled->size(), plain->size() + QSize(0, 24));
    EXPECT_EQ(titled->minimumSize(), titled->maximumSize());
    EXPECT_EQ(placeOfControl(titled), placeOfControl(plain) + QPoint(0, 24));

    QTest::mouseClick(buttons.front(), Qt::LeftButton);
    EXPECT_TRUE(titled.isNull() || !titled->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, OwnTitleBar,
    testing::Values(
        TitledWindow{"mainWindow",
                     [](Services& services) -> QWidget* { return new frmGenerator(services); },
                     "Quentara", "txtResult"},
        TitledWindow{
            "aboutDialog",
            [](Services& services) -> QWidget* {
                return new frmAbout(AboutServices{services.messages, services.sysInfoTool});
            },
            "About Quentara", "cmdOK"}),
    RowName());

} // namespace
} // namespace quentara
