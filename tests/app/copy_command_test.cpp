// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/draws.h"
#include "support/main_window_fixture.h"
#include "support/row_name.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

namespace quentara {

// Reads the copy buffer, which only the Copy command may change.
class CopyBufferProbe {
public:
    static QString copyText(const frmGenerator& window) { return window.CopyText; }
    static void setCopyText(frmGenerator& window, std::int16_t tabIndex) {
        window.SetCopyText(tabIndex);
    }
};

namespace {

class CopyCommand : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // What the text boxes copy themselves goes to the system clipboard instead.
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    }

    QAction* copyItem() const { return window->findChild<QAction*>("mnuCopy"); }

    void pressCtrlC(const char* focusName) {
        QWidget* focus = control(focusName);
        focus->setFocus();
        if (auto* box = qobject_cast<QLineEdit*>(focus))
            box->selectAll();
        if (auto* combo = qobject_cast<QComboBox*>(focus))
            combo->lineEdit()->selectAll();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    }

    QString systemClipboard() const { return QGuiApplication::clipboard()->text(); }
};

// Every tab starts from the same controls: names, lengths and bits that differ from any
// result, so copying the wrong box shows.
struct CopyCase {
    const char* name;
    GeneratorTab tab;
    const char* generateButton;
    const char* resultBox;
    std::vector<float> draws;
    const char* generated;
};

void PrintTo(const CopyCase& row, std::ostream* out) {
    *out << row.name;
}

class CopyResult : public CopyCommand, public testing::WithParamInterface<CopyCase> {};

TEST_P(CopyResult, CopiesTheResultBoxOfTheSelectedTabIncludingEdits) {
    const CopyCase& row = GetParam();
    typeInto("cmbLength", "2");
    typeInto("txtFirstname", "Ann");
    typeInto("txtLastname", "Lee");
    typeInto("cmbBits", "8 bits");
    chooseTab(row.tab);
    {
        LoadedScript script(random, row.draws);
        click(row.generateButton);
    }
    chooseMenuItem("mnuparrentFile", "mnuCopy");
    EXPECT_EQ(clipboard.log, QStringList({"clear", QStringLiteral("text:") + row.generated}));

    typeInto(row.resultBox, "edited by hand");
    clipboard.log.clear();
    chooseMenuItem("mnuparrentFile", "mnuCopy");
    EXPECT_EQ(clipboard.log, QStringList({"clear", "text:edited by hand"}));
    EXPECT_EQ(CopyBufferProbe::copyText(*window), "edited by hand");
}

INSTANTIATE_TEST_SUITE_P(Tabs, CopyResult,
                         testing::Values(CopyCase{"easy",
                                                  GeneratorTab::easy,
                                                  "cmdGenerate",
                                                  "txtResult",
                                                  {0.0f, 0.0f, 0.25f, largestDraw},
                                                  "Az"},
                                         CopyCase{"username",
                                                  GeneratorTab::username,
                                                  "cmduserGenerate",
                                                  "txtUserresult",
                                                  {0.1f, 0.2f},
                                                  "AnLee12"},
                                         CopyCase{"hex",
                                                  GeneratorTab::hex,
                                                  "cmdHexGenerate",
                                                  "txtHexResult",
                                                  {0.0f, 0.0f, largestDraw, largestDraw},
                                                  "A9"}),
                         RowName());

class CopyEmpty : public CopyCommand, public testing::WithParamInterface<GeneratorTab> {};

// What the clipboard held before is gone even when there is nothing to put in its place.
TEST_P(CopyEmpty, StillClearsTheClipboard) {
    typeInto("txtFirstname", "Ann");
    typeInto("cmbBits", "8 bits");
    chooseTab(GetParam());
    chooseMenuItem("mnuparrentFile", "mnuCopy");
    EXPECT_EQ(clipboard.log, QStringList({"clear", "text:"}));
}

INSTANTIATE_TEST_SUITE_P(Tabs, CopyEmpty,
                         testing::Values(GeneratorTab::easy, GeneratorTab::username,
                                         GeneratorTab::hex));

TEST_F(CopyCommand, IsGreyedOnTheFileGeneratorTabOnly) {
    struct Step {
        GeneratorTab tab;
        bool byKeyboard;
        bool enabled;
    };
    using enum GeneratorTab;
    const Step steps[] = {{file, false, false}, {username, false, true}, {file, false, false},
                          {hex, false, true},   {easy, false, true},     {file, false, false},
                          {easy, false, true},  {file, true, false},     {username, true, true}};
    EXPECT_TRUE(copyItem()->isEnabled());
    for (const Step& step : steps) {
        if (step.byKeyboard) {
            // Arrow keys on the focused tab row move one tab at a time.
            QTabBar* bar = tabs()->tabBar();
            bar->setFocus();
            QTest::keyClick(bar, static_cast<int>(step.tab) > bar->currentIndex() ? Qt::Key_Right
                                                                                  : Qt::Key_Left);
        } else {
            chooseTab(step.tab);
        }
        ASSERT_EQ(tabs()->currentIndex(), static_cast<int>(step.tab));
        EXPECT_EQ(copyItem()->isEnabled(), step.enabled) << "tab " << static_cast<int>(step.tab);
    }
}

TEST_F(CopyCommand, CtrlCDoesNothingOnTheFileGeneratorTab) {
    chooseTab(GeneratorTab::file);
    tabs()->tabBar()->setFocus();
    QTest::keyClick(tabs()->tabBar(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboard.log.isEmpty());
}

struct FocusCase {
    const char* name;
    GeneratorTab tab;
    const char* focus;
    const char* copied;
};

void PrintTo(const FocusCase& row, std::ostream* out) {
    *out << row.name;
}

class CtrlCWhileEnabled : public CopyCommand, public testing::WithParamInterface<FocusCase> {};

// The focused box holds a selection of its own, and still the tab's result is copied.
TEST_P(CtrlCWhileEnabled, RunsCopyWhateverBoxHasTheFocus) {
    const FocusCase& row = GetParam();
    typeInto("txtResult", "easy result");
    typeInto("txtFirstname", "Ann");
    typeInto("txtUserresult", "user result");
    typeInto("cmbBits", "8 bits");
    typeInto("txtHexResult", "hex result");
    chooseTab(row.tab);
    pressCtrlC(row.focus);
    EXPECT_EQ(clipboard.log, QStringList({"clear", QStringLiteral("text:") + row.copied}));
    EXPECT_EQ(systemClipboard(), "untouched") << "the box must not copy its own selection";
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CtrlCWhileEnabled,
    testing::Values(FocusCase{"resultBox", GeneratorTab::easy, "txtResult", "easy result"},
                    FocusCase{"lengthCombo", GeneratorTab::easy, "cmbLength", "easy result"},
                    FocusCase{"generateButton", GeneratorTab::easy, "cmdGenerate", "easy result"},
                    FocusCase{"firstName", GeneratorTab::username, "txtFirstname", "user result"},
                    FocusCase{"userResult", GeneratorTab::username, "txtUserresult", "user result"},
                    FocusCase{"bitsCombo", GeneratorTab::hex, "cmbBits", "hex result"},
                    FocusCase{"hexResult", GeneratorTab::hex, "txtHexResult", "hex result"}),
    RowName());

class CtrlCWhileDisabled : public CopyCommand, public testing::WithParamInterface<FocusCase> {};

TEST_P(CtrlCWhileDisabled, LetsTheBoxCopyItsOwnSelection) {
    const FocusCase& row = GetParam();
    typeInto("txtResult", "easy result");
    chooseTab(row.tab);
    pressCtrlC(row.focus);
    EXPECT_TRUE(clipboard.log.isEmpty());
    EXPECT_EQ(systemClipboard(), row.copied);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CtrlCWhileDisabled,
    testing::Values(FocusCase{"fileName", GeneratorTab::file, "txtFilename", "C:\\pass.txt"},
                    FocusCase{"quantity", GeneratorTab::file, "txtQuantity", "5000"},
                    FocusCase{"lengthCombo", GeneratorTab::file, "Combo1", "8"}),
    RowName());

TEST_F(CopyCommand, ChangingTabsLeavesTheCopyBufferAlone) {
    typeInto("txtResult", "copied once");
    chooseMenuItem("mnuparrentFile", "mnuCopy");
    ASSERT_EQ(CopyBufferProbe::copyText(*window), "copied once");
    typeInto("txtResult", "changed after copying");
    typeInto("txtUserresult", "user result");
    typeInto("txtHexResult", "hex result");
    using enum GeneratorTab;
    for (GeneratorTab tab : {file, username, hex, easy, file, hex, username})
        chooseTab(tab);
    EXPECT_EQ(CopyBufferProbe::copyText(*window), "copied once");
}

class CopyBufferIndex : public CopyCommand, public testing::WithParamInterface<std::int16_t> {};

TEST_P(CopyBufferIndex, WithoutAResultBoxKeepsTheBuffer) {
    typeInto("txtResult", "kept");
    chooseMenuItem("mnuparrentFile", "mnuCopy");
    typeInto("txtResult", "easy");
    typeInto("txtUserresult", "user");
    typeInto("txtHexResult", "hex");
    CopyBufferProbe::setCopyText(*window, GetParam());
    EXPECT_EQ(CopyBufferProbe::copyText(*window), "kept");
}

INSTANTIATE_TEST_SUITE_P(Indexes, CopyBufferIndex,
                         testing::Values(std::int16_t{1}, std::int16_t{-1}, std::int16_t{4},
                                         std::int16_t{32767}, std::int16_t{-32768}));

TEST_F(CopyCommand, MarksTheCopiedTextAsASecret) {
    typeInto("txtResult", "Pa55word");
    pressCtrlC("txtResult");
    ASSERT_EQ(clipboard.log, QStringList({"clear", "text:Pa55word"}));
    EXPECT_EQ(clipboard.lastFormats.value("text/plain"), "Pa55word");
#ifdef Q_OS_WIN
    // Kept out of the clipboard history and the cloud clipboard; the numbers are 32-bit DWORDs.
    const QString format = QStringLiteral("application/x-qt-windows-mime;value=\"%1\"");
    EXPECT_EQ(clipboard.lastFormats.value(
                  format.arg(QLatin1String("ExcludeClipboardContentFromMonitorProcessing"))),
              QByteArray("\x01\0\0\0", 4));
    EXPECT_EQ(
        clipboard.lastFormats.value(format.arg(QLatin1String("CanIncludeInClipboardHistory"))),
        QByteArray(4, '\0'));
    EXPECT_EQ(clipboard.lastFormats.value(format.arg(QLatin1String("CanUploadToCloudClipboard"))),
              QByteArray(4, '\0'));
#else
    EXPECT_EQ(clipboard.lastFormats.value("x-kde-passwordManagerHint"), "secret");
#endif
}

} // namespace
} // namespace quentara
