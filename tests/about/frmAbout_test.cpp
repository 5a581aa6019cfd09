// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_dialog_fixture.h"
#include "support/row_name.h"
#include "widgets/message_box.h"
#include "widgets/twips.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace quentara {
namespace {

class AboutDialog : public AboutDialogTest {
protected:
    // What a freshly loaded dialog shows of the program.
    static void expectTheProgramsTitleAndVersion(frmAbout* about) {
        EXPECT_EQ(about->windowTitle(), "About Quentara");
        EXPECT_EQ(part<QLabel>(about, "lblTitle")->text(), "Quentara");
        EXPECT_EQ(part<QLabel>(about, "lblVersion")->text(), "Version 1.1.6");
    }
};

const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

TEST_F(AboutDialog, OpensWithTheProgramsTitleAndVersion) {
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    expectTheProgramsTitleAndVersion(about);
    EXPECT_EQ(part<QPushButton>(about, "cmdOK")->text(), "OK");
    EXPECT_EQ(part<QPushButton>(about, "cmdSysInfo")->text(), "&System Info...");
    QLabel* description = part<QLabel>(about, "lblDescription");
    EXPECT_FALSE(description->text().isEmpty());
    EXPECT_LE(description->sizeHint().width(), description->width()) << "one line";
    for (const char* black : {"lblDescription", "lblTitle"})
        EXPECT_EQ(part<QLabel>(about, black)->palette().color(QPalette::WindowText),
                  QColor(Qt::black))
            << black;
    EXPECT_FALSE(part<QLabel>(about, "Image1")->pixmap().isNull());
    EXPECT_FALSE(about->windowIcon().isNull());
}

TEST_F(AboutDialog, IsAFixedModelessDialogOfTheMainWindowAtItsPlace) {
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    // Client area 5520 x 2565 twips, its top-left corner at 2340, 1935 twips on the screen.
    EXPECT_EQ(about->geometry(), QRect(156, 129, 368, 171));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    // A window of its own that the window system keeps with the main window (transient for
    // it), not a stray top-level one.
    EXPECT_TRUE(about->isWindow());
    EXPECT_EQ(about->parentWidget(), window.get());
    ASSERT_NE(about->windowHandle(), nullptr);
    EXPECT_EQ(about->windowHandle()->transientParent(), window->windowHandle());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    const Qt::WindowFlags flags = about->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(about->testAttribute(Qt::WA_QuitOnClose)) << "must not keep the program alive";
}

struct Placement {
    const char* name;
    int left, top, width, height; // twips
};

class AboutPlacement : public AboutDialogTest, public testing::WithParamInterface<Placement> {};

TEST_P(AboutPlacement, StandsWhereTheLayoutPutsIt) {
    const Placement& p = GetParam();
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    QWidget* control = part(about, p.name);
    const QRect expected = twipsRect(p.left, p.top, p.width, p.height);
    if (qobject_cast<QPushButton*>(control) != nullptr) {
        // A button may widen to the right to show its whole caption, never shrink or move.
        EXPECT_EQ(control->pos(), expected.topLeft()) << p.name;
        EXPECT_EQ(control->height(), expected.height()) << p.name;
        EXPECT_GE(control->width(), expected.width()) << p.name;
        EXPECT_LT(control->geometry().right(), twipsRect(1410, 0, 0, 0).left())
            << "left of the labels";
    } else {
        EXPECT_EQ(control->geometry(), expected) << p.name;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, AboutPlacement,
                         testing::Values(Placement{"cmdOK", 120, 1200, 1140, 345},
                                         Placement{"cmdSysInfo", 120, 1680, 1125, 345},
                                         Placement{"lblDescription", 1440, 1125, 3885, 1170},
                                         Placement{"lblTitle", 1410, 240, 3885, 480},
                                         Placement{"lblVersion", 1410, 780, 3885, 225},
                                         Placement{"Image1", 360, 240, 720, 720}),
                         RowName());

TEST_F(AboutDialog, NoCaptionIsCutOff) {
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    for (QLabel* label : about->findChildren<QLabel*>())
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
    auto* ok = part<QPushButton>(about, "cmdOK");
    auto* sysInfo = part<QPushButton>(about, "cmdSysInfo");
    for (QPushButton* button : {ok, sysInfo}) {
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        EXPECT_LE(button->fontMetrics().horizontalAdvance(caption) + 8, button->width())
            << caption.toStdString();
    }
    if (ok->width() != twipsToPixels(1140)) {
        EXPECT_EQ(ok->width(), sysInfo->width()) << "a widened column stays one column";
    }
}

TEST_F(AboutDialog, FocusStartsOnOkAndTabMovesToSystemInfo) {
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    // Not qWaitForWindowActive: a window counts as active while the one it belongs to is.
    ASSERT_TRUE(QTest::qWaitFor([about] { return QApplication::activeWindow() == about; }));
    auto* ok = part<QPushButton>(about, "cmdOK");
    auto* sysInfo = part<QPushButton>(about, "cmdSysInfo");
    EXPECT_EQ(QApplication::focusWidget(), ok);
    EXPECT_TRUE(ok->isDefault());
    QTest::keyClick(ok, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sysInfo);
    QTest::keyClick(sysInfo, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ok) << "labels and the image take no focus";
}

enum class Closing { okClicked, enterOnOk, escape, closeButton };

struct CloseCase {
    const char* name;
    Closing how;
};

class ClosingAbout : public AboutDialogTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingAbout, DeletesTheDialogAndLeavesTheMainWindow) {
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    QPointer<frmAbout> dialog(about);
    QPointer<QWidget> ok(part(about, "cmdOK"));
    switch (GetParam().how) {
    case Closing::okClicked:
        QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case Closing::enterOnOk:
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        break;
    case Closing::escape:
        QTest::keyClick(ok, Qt::Key_Escape);
        break;
    case Closing::closeButton:
        about->windowHandle()->close();
        break;
    }
    settle();
    EXPECT_TRUE(dialog.isNull()) << "the dialog's window is destroyed";
    EXPECT_TRUE(ok.isNull()) << "and its controls with it";
    EXPECT_TRUE(aboutDialogs().isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(sysInfoTool.starts, 0);
    EXPECT_TRUE(messages.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingAbout,
                         testing::Values(CloseCase{"OkClicked", Closing::okClicked},
                                         CloseCase{"EnterOnOk", Closing::enterOnOk},
                                         CloseCase{"Escape", Closing::escape},
                                         CloseCase{"CloseButton", Closing::closeButton}),
                         RowName());

TEST_F(AboutDialog, ReopeningLoadsItAnew) {
    frmAbout* first = openAbout();
    ASSERT_NE(first, nullptr);
    QPointer<frmAbout> closed(first);
    part<QLabel>(first, "lblTitle")->setText("stale");
    part<QLabel>(first, "lblVersion")->setText("stale");
    first->setWindowTitle("stale");
    QTest::mouseClick(part(first, "cmdOK"), Qt::LeftButton);

    QPointer<frmAbout> second(openAbout());
    settle();
    EXPECT_TRUE(closed.isNull());
    ASSERT_FALSE(second.isNull()) << "the new dialog outlives the old one's deletion";
    EXPECT_EQ(aboutDialogs(), QList<frmAbout*>{second.data()});
    EXPECT_TRUE(second->isVisible());
    expectTheProgramsTitleAndVersion(second);
}

TEST_F(AboutDialog, AboutWhileOpenShowsTheSameDialog) {
    frmAbout* first = openAbout();
    ASSERT_NE(first, nullptr);
    part<QLabel>(first, "lblTitle")->setText("still loaded");
    window->activateWindow();

    frmAbout* again = openAbout();
    settle();
    EXPECT_EQ(again, first);
    EXPECT_EQ(aboutDialogs().size(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(part<QLabel>(first, "lblTitle")->text(), "still loaded") << "not loaded again";
}

TEST_F(AboutDialog, MainWindowStaysUsableWhileItIsOpen) {
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    click("cmdGenerate");
    EXPECT_EQ(control<QLineEdit>("txtResult")->text().size(), 6);
    typeInto("txtFirstname", "Ada");
    EXPECT_EQ(control<QLineEdit>("txtFirstname")->text(), "Ada");
    EXPECT_TRUE(about->isVisible());
}

struct SysInfoPress {
    const char* name;
    bool byEnter; // on the focused button, rather than a click
    RecordingLauncher::Outcome outcome;
    bool unavailable;
};

class PressingSystemInfo : public AboutDialogTest,
                           public testing::WithParamInterface<SysInfoPress> {};

// Enter presses the focused System Info button, not the default OK.
TEST_P(PressingSystemInfo, StartsTheToolOrSaysItIsUnavailableAndStaysOpen) {
    const SysInfoPress& row = GetParam();
    sysInfoTool.outcome = row.outcome;
    frmAbout* about = openAbout();
    ASSERT_NE(about, nullptr);
    auto* sysInfo = part<QPushButton>(about, "cmdSysInfo");
    if (row.byEnter) {
        sysInfo->setFocus();
        QTest::keyClick(sysInfo, Qt::Key_Return);
    } else {
        QTest::mouseClick(sysInfo, Qt::LeftButton);
    }
    settle();
    EXPECT_EQ(sysInfoTool.starts, 1);
    EXPECT_EQ(messages.texts, row.unavailable ? QStringList{unavailable} : QStringList());
    EXPECT_EQ(messages.icons, row.unavailable ? std::vector<MessageIcon>{MessageIcon::none}
                                              : std::vector<MessageIcon>());
    EXPECT_EQ(aboutDialogs(), QList<frmAbout*>{about});
    EXPECT_TRUE(about->isVisible());
}

using Outcome = RecordingLauncher::Outcome;

INSTANTIATE_TEST_SUITE_P(
    EveryWay, PressingSystemInfo,
    testing::Values(SysInfoPress{"Clicked", false, Outcome::starts, false},
                    SysInfoPress{"EnterOnIt", true, Outcome::starts, false},
                    SysInfoPress{"NotFoundOrNotStarted", false, Outcome::fails, true},
                    SysInfoPress{"BrokenRegistryValue", false, Outcome::throws, true}),
    RowName());

// The message as the user meets it, in the program's real message box.
TEST_F(AboutDialog, UnavailableMessageHasOnlyOkNoIconAndTheProgramsCaption) {
    QtMessageBox realBox;
    sysInfoTool.outcome = RecordingLauncher::Outcome::fails;
    QPointer<frmAbout> about(new frmAbout(AboutServices{realBox, sysInfoTool}));
    about->show();
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons;
        qsizetype buttonCount = 0;
    } seen;
    QTimer::singleShot(0, about.data(), [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->buttons().size()};
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(part(about, "cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(seen.title, "Quentara");
    EXPECT_EQ(seen.text, unavailable);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_TRUE(about->isVisible());
    delete about.data();
}

TEST_F(AboutDialog, GoesWithTheMainWindow) {
    QPointer<frmAbout> about(openAbout());
    ASSERT_FALSE(about.isNull());
    window.reset();
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutDialog, ClosingTheMainWindowEndsTheProgramWhileItIsOpen) {
    QPointer<frmAbout> about(openAbout());
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(runUntilTheProgramEnds([this] { window->close(); }), 0);
    window.reset();
    EXPECT_TRUE(about.isNull());
}

// Whatever ends the program, the open dialog must not hold it: closing the last ordinary window
// ends the event loop even while the dialog is open.
TEST(AboutDialogLifetime, DoesNotCountAsAWindowThatKeepsTheProgramRunning) {
    ASSERT_TRUE(QApplication::quitOnLastWindowClosed());
    QWidget mainWindow;
    mainWindow.show();
    RecordingMessageBox messages;
    RecordingSysInfoTool sysInfoTool;
    QPointer<frmAbout> about(new frmAbout(AboutServices{messages, sysInfoTool}));
    about->show();
    QTimer::singleShot(0, &mainWindow, [&mainWindow] { mainWindow.close(); });
    QTimer::singleShot(5000, &mainWindow, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    delete about.data();
}

} // namespace
} // namespace quentara
