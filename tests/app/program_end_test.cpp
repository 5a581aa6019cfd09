#include "main_window_fixture.h"

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
    Ending ending;
    bool dialogRefusesToClose;
};

void PrintTo(const EndCase& row, std::ostream* out) {
    *out << (row.ending == Ending::exitItem ? "Exit item" : "close button")
         << (row.dialogRefusesToClose ? ", dialog refuses to close" : "");
}

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

class ProgramEnd : public MainWindowTest, public testing::WithParamInterface<EndCase> {
protected:
    void chooseExitFromMenu() {
        QMenuBar* bar = window->menuBar();
        auto* file = window->findChild<QMenu*>("mnuparrentFile");
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QTest::mouseClick(file, Qt::LeftButton, {},
                          file->actionGeometry(window->findChild<QAction*>("mnuExit")).center());
    }

    // Runs the program's event loop until the program ends it; -1 when it never does.
    int runUntilTheProgramEnds(const std::function<void()>& action) {
        QTimer::singleShot(0, window.get(), action);
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        giveUp.start(5000);
        return QApplication::exec();
    }
};

// A modeless dialog without a parent, as the About dialog is, would keep the program
// running after the main window has gone unless the program ends itself.
TEST_P(ProgramEnd, EndsAtOnceAndTakesAnOpenDialogWithIt) {
    StubbornDialog about(GetParam().dialogRefusesToClose);
    about.setWindowTitle(QStringLiteral("About"));
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));

    const int code = runUntilTheProgramEnds([this] {
        if (GetParam().ending == Ending::exitItem) {
            chooseExitFromMenu();
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

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgramEnd,
    testing::Values(EndCase{Ending::exitItem, false}, EndCase{Ending::closeButton, false},
                    EndCase{Ending::exitItem, true}, EndCase{Ending::closeButton, true}),
    [](const testing::TestParamInfo<EndCase>& info) {
        return std::string(info.param.ending == Ending::exitItem ? "exitItem" : "closeButton") +
               (info.param.dialogRefusesToClose ? "StubbornDialog" : "");
    });

} // namespace
} // namespace quentara
