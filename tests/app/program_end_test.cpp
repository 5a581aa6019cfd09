// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

namespace quentara {
namespace {

enum class Ending { exitItem, closeButton };

struct EndCase {
    const char* name;
    Ending ending;
    bool dialogRefusesToClose;
};

// A dialog that will not close by itself: the program must end all the same.
class StubbornDialog final : public QDialog {
public:
    explicit StubbornDialog(bool refuses) : refuses_(refuses) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuses_)
            event->ignore();
        else
            QDialog::closeEvent(event);
    }

private:
    bool refuses_;
};

class ProgramEnd : public MainWindowTest, public testing::WithParamInterface<EndCase> {};

// A modeless dialog without a parent, as the About dialog is, would keep the program
// running after the main window has gone unless the program ends itself.
TEST_P(ProgramEnd, EndsAtOnceAndTakesAnOpenDialogWithIt) {
    StubbornDialog about(GetParam().dialogRefusesToClose);
    about.setWindowTitle(QStringLiteral("About"));
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));

    const int code = runUntilTheProgramEnds([this] {
        if (GetParam().ending == Ending::exitItem) {
            chooseMenuItem("mnuparrentFile", "mnuExit");
        } else {
            // The platform window's close, as the window manager's close button does.
            window->windowHandle()->close();
        }
    });
    EXPECT_EQ(code, 0) << "the program did not end";
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(messages.texts.isEmpty()) << "no question is asked";
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEnd,
                         testing::Values(EndCase{"exitItem", Ending::exitItem, false},
                                         EndCase{"closeButton", Ending::closeButton, false},
                                         EndCase{"exitItemStubbornDialog", Ending::exitItem, true},
                                         EndCase{"closeButtonStubbornDialog", Ending::closeButton,
                                                 true}),
                         RowName());

} // namespace
} // namespace quentara
