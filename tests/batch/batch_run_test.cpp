// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_messages.h"
#include "batch_window_fixture.h"
#include "generators/number_quantity.h"
#include "support/draws.h"
#include "support/failing_file_layer.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <QLocale>
#include <QTabBar>
#include <QTimer>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quentara {
namespace {

QString text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// What the bar and the button look like at each repaint of the bar.
struct BarPaint {
    bool barVisible;
    bool buttonVisible;
    int value;
    int maximum;
};

class PaintRecorder final : public QObject {
public:
    PaintRecorder(QProgressBar* bar, QPushButton* button) : bar_(bar), button_(button) {
        bar_->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            paints.push_back(
                {bar_->isVisible(), button_->isVisible(), bar_->value(), bar_->maximum()});
            if (onPaint)
                onPaint();
        }
        return false;
    }
    std::vector<BarPaint> paints;
    std::function<void()> onPaint;

private:
    QProgressBar* bar_;
    QPushButton* button_;
};

TEST_F(BatchWindowTest, ARunThroughTheControlsWritesTheFileAndShowsItsProgress) {
    TempFolder folder;
    selectFileTab();
    typeInto("txtQuantity", "3");
    typeInto("Combo1", "2");
    setTicks({"Check1", "check2", "Check3"}, false); // digits only: one draw per character
    typeInto("txtFilename", text(folder / "pass.txt"));
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(generateFile()->isVisible());

    PaintRecorder recorder(bar(), generateFile());
    LoadedScript script(random, {0.0f, largestDraw, 0.5f, 0.1f, largestDraw, largestDraw});
    click("cmdGenerateFile");

    ASSERT_FALSE(recorder.paints.empty());
    for (const BarPaint& paint : recorder.paints) {
        EXPECT_TRUE(paint.barVisible);
        EXPECT_FALSE(paint.buttonVisible);
        EXPECT_EQ(paint.maximum, 3);
    }
    EXPECT_EQ(recorder.paints.front().value, 1);
    EXPECT_EQ(recorder.paints.back().value, 3);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(generateFile()->isVisible());
    EXPECT_EQ(beep.count, 1);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(readBytes(folder / "pass.txt"), "nr. 1    09\r\nnr. 2    51\r\nnr. 3    99\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
}

TEST_F(BatchWindowTest, ASecondRunReplacesTheFirstWithEmptyPasswordsWhenNothingIsTicked) {
    TempFolder folder;
    selectFileTab();
    typeInto("txtQuantity", "1000");
    typeInto("txtFilename", text(folder / "pass.txt"));
    click("cmdGenerateFile");
    ASSERT_EQ(beep.count, 1);

    typeInto("txtQuantity", "3"); // a maximum below the bar's last position
    setTicks({"Check1", "check2", "Check3", "check4"}, false);
    PaintRecorder recorder(bar(), generateFile());
    click("cmdGenerateFile");
    ASSERT_FALSE(recorder.paints.empty());
    EXPECT_EQ(recorder.paints.front().maximum, 3);
    EXPECT_EQ(recorder.paints.front().value, 1);
    EXPECT_EQ(recorder.paints.back().value, 3);
    EXPECT_EQ(beep.count, 2);
    EXPECT_EQ(readBytes(folder / "pass.txt"), "nr. 1    \r\nnr. 2    \r\nnr. 3    \r\n");
}

// The beep, for those who do not hear it: a written file is told in the Generate button's
// accessible description, whose setting assistive tools hear; the tooltip keeps to the strength.
TEST_F(BatchWindowTest, TheEndOfEachRunIsToldToAssistiveTools) {
    TempFolder folder;
    selectFileTab();
    typeInto("Combo1", "2");
    setTicks({"Check1", "check2", "Check3"}, false); // digits only
    typeInto("txtFilename", text(folder / "pass.txt"));
    const std::string file = "The file \"" + (folder / "pass.txt").string() + "\" was written: ";
    const std::string strength =
        "Strength of each password: 6.6 bits (the most likely password: 1 in 2^6.6)";
    const auto description = [this] {
        return generateFile()->accessibleDescription().toStdString();
    };

    typeInto("txtQuantity", "3");
    click("cmdGenerateFile");
    EXPECT_EQ(description(), file + "3 passwords.\n" + strength);
    typeInto("txtQuantity", "1");
    click("cmdGenerateFile");
    EXPECT_EQ(description(), file + "1 password.\n" + strength);
    EXPECT_EQ(generateFile()->toolTip().toStdString(), strength);
    EXPECT_EQ(beep.count, 2);

    typeInto("txtFilename", text(folder / "missing" / "pass.txt"));
    click("cmdGenerateFile");
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(description(), strength) << "a failed run leaves no written file to tell of";
}

TEST_F(BatchWindowTest, ALongRunRepaintsTheBarAtABoundedRateNotPerLine) {
    TempFolder folder;
    selectFileTab();
    typeInto("txtQuantity", "400000");
    typeInto("txtFilename", text(folder / "long.txt"));
    PaintRecorder recorder(bar(), generateFile());
    click("cmdGenerateFile");

    ASSERT_GE(recorder.paints.size(), 2u);
    EXPECT_LT(recorder.paints.size(), 1000u);
    for (std::size_t i = 1; i < recorder.paints.size(); ++i)
        EXPECT_GE(recorder.paints[i].value, recorder.paints[i - 1].value);
    EXPECT_EQ(recorder.paints.back().value, 400000);
    EXPECT_EQ(beep.count, 1);
    // Each line: "nr. ", the number's digits, four blanks, 8 characters, CR LF.
    const std::uintmax_t digits = 9 * 1 + 90 * 2 + 900 * 3 + 9000 * 4 + 90000 * 5 + 300001 * 6;
    EXPECT_EQ(std::filesystem::file_size(folder / "long.txt"), 400000u * 18 + digits);
}

// How a run is started, and whether the disk fills up.
struct FocusCase {
    const char* name;
    bool byKeyboard; // Space on the focused button; otherwise a click on it
    bool diskFull;
};

void PrintTo(const FocusCase& row, std::ostream* out) {
    *out << row.name;
}

class BatchRunFocus : public BatchWindowTest, public testing::WithParamInterface<FocusCase> {};

// The hidden button's focus goes to no box meanwhile: afterwards it is the button's again, no
// text is selected, and the next key replaces no file name.
TEST_P(BatchRunFocus, ComesBackToTheButton) {
    const FocusCase& row = GetParam();
    TempFolder folder;
    FailingFileLayer failing(FailingFileLayer::Operation::write, std::errc::no_space_on_device);
    if (row.diskFull)
        files.to = &failing;
    const QString target = text(folder / "pass.txt");
    selectFileTab();
    typeInto("txtQuantity", "3");
    typeInto("txtFilename", target);
    if (row.byKeyboard) {
        generateFile()->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Space);
    } else {
        click("cmdGenerateFile");
    }

    ASSERT_EQ(beep.count, row.diskFull ? 0 : 1);
    ASSERT_EQ(messages.texts.size(), row.diskFull ? 1 : 0);
    EXPECT_EQ(window->focusWidget(), generateFile());
    EXPECT_FALSE(control<QLineEdit>("txtFilename")->hasSelectedText());
    pressKey(Qt::Key_A);
    EXPECT_EQ(fileName(), target);
}

INSTANTIATE_TEST_SUITE_P(Starts, BatchRunFocus,
                         testing::Values(FocusCase{"spaceKey", true, false},
                                         FocusCase{"mouseClick", false, false},
                                         FocusCase{"diskFull", false, true}),
                         RowName());

TEST_F(BatchWindowTest, TheWindowTakesNoInputDuringARun) {
    TempFolder folder;
    selectFileTab();
    typeInto("txtQuantity", "200000");
    typeInto("txtFilename", text(folder / "pass.txt"));
    bool ranDuringTheRun = false;
    QTimer::singleShot(0, window.get(), [&] {
        ranDuringTheRun = bar()->isVisible();
        QTabBar* tabBar = tabs()->tabBar();
        QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(0).center());
        QTest::keyClicks(control<QLineEdit>("txtQuantity"), "9");
        QTest::mouseClick(control<QPushButton>("cmdbrows"), Qt::LeftButton);
    });
    click("cmdGenerateFile");

    EXPECT_TRUE(ranDuringTheRun);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(quantity(), "200000");
    EXPECT_TRUE(chooser.requests.empty());
    EXPECT_EQ(beep.count, 1);
    EXPECT_GT(std::filesystem::file_size(folder / "pass.txt"), 200000u * 18);
}

TEST_F(BatchWindowTest, ACloseRequestDuringARunKeepsTheOldFileAndClosesTheWindow) {
    TempFolder folder;
    writeBytes(folder / "pass.txt", "old content\r\n");
    selectFileTab();
    typeInto("txtQuantity", "3000000");
    typeInto("txtFilename", text(folder / "pass.txt"));
    PaintRecorder recorder(bar(), generateFile());
    recorder.onPaint = [&] { window->close(); };
    click("cmdGenerateFile");

    ASSERT_FALSE(recorder.paints.empty());
    EXPECT_EQ(recorder.paints.front().value, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readBytes(folder / "pass.txt"), "old content\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt"}));
    EXPECT_EQ(beep.count, 0);
    EXPECT_TRUE(messages.texts.isEmpty());
}

#ifndef _WIN32
TEST_F(BatchWindowTest, ACloseRequestIsHeardWhileAReaderKeepsThePipeFull) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const int reader = ::open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int capacity = ::fcntl(reader, F_GETPIPE_SZ);
    selectFileTab();
    typeInto("txtQuantity", "3000000");
    typeInto("txtFilename", text(folder / "pipe"));
    QTimer closeWhenFull;
    QObject::connect(&closeWhenFull, &QTimer::timeout, window.get(), [&] {
        int queued = 0;
        if (::ioctl(reader, FIONREAD, &queued) == 0 && queued >= capacity)
            window->close();
    });
    closeWhenFull.start(0);
    click("cmdGenerateFile");
    closeWhenFull.stop();
    ::close(reader);

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pipe"}));
    EXPECT_TRUE(messages.texts.isEmpty());
}
#endif

TEST_F(BatchWindowTest, TheBarShowsTheLargestQuantityScaledIntoItsRange) {
    TempFolder folder;
    FailingFileLayer failing(FailingFileLayer::Operation::write, std::errc::no_space_on_device);
    files.to = &failing; // the disk fills up at the first block, so the run ends
    selectFileTab();
    typeInto("txtQuantity", "999999999999999");
    typeInto("txtFilename", text(folder / "pass.txt"));
    PaintRecorder recorder(bar(), generateFile());
    click("cmdGenerateFile");

    ASSERT_FALSE(recorder.paints.empty());
    EXPECT_EQ(recorder.paints.front().maximum, 2147480362);
    EXPECT_EQ(recorder.paints.front().value, 1);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(folder.names(), (std::set<std::string>{}));
}

TEST_F(BatchWindowTest, AFailureInAFileWrittenInPlaceSaysItsOldContentIsGone) {
    TempFolder folder;
    writeBytes(folder / "pass.txt", "old content\r\n");
    std::filesystem::create_hard_link(folder / "pass.txt", folder / "other.txt");
    FailingFileLayer failing(FailingFileLayer::Operation::write, std::errc::no_space_on_device);
    files.to = &failing;
    selectFileTab();
    typeInto("txtFilename", text(folder / "pass.txt"));
    click("cmdGenerateFile");

    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], "The file \"" + text(folder / "pass.txt") +
                                     "\" was not written to the end, and what it held before "
                                     "is gone.\nThe disk is full.");
    EXPECT_EQ(beep.count, 0);
}

struct GermanRun {
    const char* name;
    const char* quantity;
    const char* length;
    const char* outcome; // the file's size in bytes, or the message's reason
};

class BatchWindowInGerman : public BatchWindowTest, public testing::WithParamInterface<GermanRun> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        BatchWindowTest::SetUp();
    }
    void TearDown() override {
        BatchWindowTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }
};

// Numbers are read as the spinner writes them there ("17,5"), and "5.000", five thousand to
// a German reader, is refused rather than read as 5.
TEST_P(BatchWindowInGerman, ReadsTheBoxesInTheLocalesWay) {
    TempFolder folder;
    selectFileTab();
    typeInto("txtQuantity", GetParam().quantity);
    typeInto("Combo1", GetParam().length);
    typeInto("txtFilename", text(folder / "pass.txt"));
    click("cmdGenerateFile");
    const std::string outcome = messages.texts.isEmpty()
                                    ? std::to_string(readBytes(folder / "pass.txt").size())
                                    : messages.texts[0].section('\n', 1, 1).toStdString();
    EXPECT_EQ(outcome, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BatchWindowInGerman,
    testing::Values(
        GermanRun{"commaLength", "3", "2,5", "39"}, // 3 lines of "nr. k", 4 blanks, 2, CR LF
        GermanRun{"commaQuantity", "3,0", "2", "39"},
        GermanRun{"spinnersFraction", "17,5", "2", "The quantity \"17,5\" is not a whole number."},
        GermanRun{"groupedQuantity", "5.000", "2",
                  "The quantity \"5.000\" uses \".\", which separates groups of "
                  "digits here, so it could be read as another number."},
        GermanRun{"groupedLength", "3", "1.000",
                  "The length \"1.000\" uses \".\", which separates groups of "
                  "digits here, so it could be read as another number."}),
    RowName());

using Operation = FailingFileLayer::Operation;

struct WindowFailure {
    const char* name;
    const char* quantity;
    const char* length;
    const char* target; // in the test's folder, which holds pass.txt and the folder sub
    Operation operation;
    const char* reason;
};

class BatchWindowFailure : public BatchWindowTest,
                           public testing::WithParamInterface<WindowFailure> {};

TEST_P(BatchWindowFailure, TellsWhichFileAndWhyAndChangesNothing) {
    const WindowFailure& row = GetParam();
    TempFolder folder;
    writeBytes(folder / "pass.txt", "keep me\r\n");
    std::filesystem::create_directory(folder / "sub");
    FailingFileLayer failing(row.operation, std::errc::no_space_on_device);
    files.to = &failing;
    const QString target = text(folder.path() / row.target);

    selectFileTab();
    typeInto("txtQuantity", row.quantity);
    typeInto("Combo1", row.length);
    typeInto("txtFilename", target);
    click("cmdGenerateFile");

    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0].toStdString(),
              "The file \"" + target.toStdString() +
                  "\" was not written, and nothing on disk was changed.\n" + row.reason);
    EXPECT_EQ(messages.icons[0], MessageIcon::warning);
    EXPECT_EQ(readBytes(folder / "pass.txt"), "keep me\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"pass.txt", "sub"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "sub"));
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(generateFile()->isVisible());
    EXPECT_EQ(beep.count, 0);

    // The window is at rest and usable: a good run works at once.
    files.to = &files.system;
    typeInto("txtQuantity", "2");
    typeInto("Combo1", "8");
    typeInto("txtFilename", text(folder / "pass.txt"));
    click("cmdGenerateFile");
    EXPECT_EQ(beep.count, 1);
    EXPECT_EQ(readBytes(folder / "pass.txt").size(), 2u * (4 + 1 + 4 + 8 + 2));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, BatchWindowFailure,
    testing::Values(
        WindowFailure{"emptyQuantity", "", "8", "pass.txt", Operation::none,
                      "No quantity was given.\nType a whole number of lines from 1 to "
                      "999999999999999, for example 5000."},
        WindowFailure{"letters", "abc", "8", "pass.txt", Operation::none,
                      "The quantity \"abc\" is not a number.\nType a whole number of lines from "
                      "1 to 999999999999999, for example 5000."},
        WindowFailure{"digitsThenLetters", "12abc", "8", "pass.txt", Operation::none,
                      "The quantity \"12abc\" is not a number.\nType a whole number of lines "
                      "from 1 to 999999999999999, for example 5000."},
        WindowFailure{"zero", "0", "8", "pass.txt", Operation::none,
                      "The quantity \"0\" is below 1.\nType a whole number of lines from 1 to "
                      "999999999999999, for example 5000."},
        WindowFailure{"negative", "-5", "8", "pass.txt", Operation::none,
                      "The quantity \"-5\" is below 1.\nType a whole number of lines from 1 to "
                      "999999999999999, for example 5000."},
        WindowFailure{"fraction", "2.5", "8", "pass.txt", Operation::none,
                      "The quantity \"2.5\" is not a whole number.\nType a whole number of lines "
                      "from 1 to 999999999999999, for example 5000."},
        WindowFailure{"tooLarge", "1000000000000000", "8", "pass.txt", Operation::none,
                      "The quantity \"1000000000000000\" is too large.\nType a whole number of "
                      "lines from 1 to 999999999999999, for example 5000."},
        WindowFailure{"badLength", "5", "abc", "pass.txt", Operation::none,
                      "The length \"abc\" is not a number.\nType a whole number of characters "
                      "from 0 to 1000000, for example 12."},
        WindowFailure{"missingFolder", "5", "8", "nowhere/pass.txt", Operation::none,
                      "Its folder does not exist."},
        WindowFailure{"folder", "5", "8", "sub", Operation::none,
                      "The name is that of a folder, not of a file."},
        WindowFailure{"diskFullWhileWriting", "5000", "8", "pass.txt", Operation::write,
                      "The disk is full."},
        WindowFailure{"diskFullAtTheFinalFlush", "5000", "8", "pass.txt", Operation::finish,
                      "The disk is full."},
        WindowFailure{"diskFullForANewFile", "5000", "8", "sub/new.txt", Operation::create,
                      "The disk is full."}),
    RowName());

} // namespace
} // namespace quentara
