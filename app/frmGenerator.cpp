// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmGenerator.h"

#include "about/frmAbout.h"
#include "app/copy_shortcut_filter.h"
#include "app/generator_tab.h"
#include "app/grapheme_boundaries.h"
#include "app/strength_note.h"
#include "batch/batch_run.h"
#include "generators/hex_string.h"
#include "generators/number_length.h"
#include "generators/password_composer.h"
#include "generators/strength.h"
#include "generators/username.h"
#include "program_info.h"
#include "widgets/clipboard.h"
#include "widgets/controls.h"
#include "widgets/locale_numbers.h"
#include "widgets/menu_keys.h"
#include "widgets/message_box.h"
#include "widgets/program_window.h"
#include "widgets/spin_button.h"
#include "widgets/tab_control.h"
#include "widgets/title_bar.h"
#include "widgets/twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

namespace quentara {
namespace {

QStringList bitsList() {
    QStringList items;
    for (std::string_view item : hexBitsItems)
        items << QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size()));
    return items;
}

} // namespace

frmGenerator::frmGenerator(Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | fixedWindowFlags), services_(services) {
    dressProgramWindow(this, "frmGenerator", QString::fromLatin1(programName));
    buildControls();
    buildMenus();
    setFocusOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // fixed single border: no resizing
    addOwnTitleBarWhereQtDrawsIt(this);
    batchRun_ = std::make_unique<BatchRun>(
        this, cmdGenerateFile, prgPrint,
        BatchServices{services_.messages, services_.beep, services_.fileSystem});
    Form_Load();
}

void frmGenerator::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(5625), twipsToPixels(3210));
    setCentralWidget(client);

    SSTab1 = new TabControl(twipsToPixels(520), client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(0, 0, 5655, 3255));

    QWidget* easy = SSTab1->addTab(QStringLiteral("Easy Generator"));
    easyClasses_ = makeClassBoxes(easy, {"chkCharup", "chkCharlow", "chkNum", "chkSym"});
    chkCharup = easyClasses_.uppercase;
    chkCharlow = easyClasses_.lowercase;
    chkNum = easyClasses_.digits;
    chkSym = easyClasses_.symbols;
    const LengthRow easyLength =
        makeLengthRow(easy, "lblLength", "cmbLength", 1380, QStringLiteral("6"));
    lblLength = easyLength.label;
    cmbLength = easyLength.box;
    lblPass = makeLabel(easy, "lblPass", QStringLiteral("Pass:"), twipsRect(480, 2280, 495, 255));
    txtResult = makeTextBox(easy, "txtResult", QString(), twipsRect(960, 2220, 3495, 285));
    cmdGenerate = makeButton(easy, "cmdGenerate", QStringLiteral("Generate"),
                             twipsRect(1800, 2640, 1935, 375));

    QWidget* file = SSTab1->addTab(QStringLiteral("File Generator"));
    fileClasses_ = makeClassBoxes(file, {"check2", "Check1", "check4", "Check3"});
    check2 = fileClasses_.uppercase;
    Check1 = fileClasses_.lowercase;
    check4 = fileClasses_.digits;
    Check3 = fileClasses_.symbols;
    const LengthRow fileLength = makeLengthRow(file, "Label1", "Combo1", 1260, QStringLiteral("8"));
    Label1 = fileLength.label;
    Combo1 = fileLength.box;
    lblQuantity = makeLabel(file, "lblQuantity", QStringLiteral("Quantity:."),
                            twipsRect(1320, 1620, 615, 255));
    txtQuantity =
        makeTextBox(file, "txtQuantity", QStringLiteral("5000"), twipsRect(2040, 1620, 1455, 285));
    SpinButton1 = new SpinButton(file);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setGeometry(twipsRect(3480, 1620, 255, 255));
    SpinButton1->setAccessibleName(QStringLiteral("Step quantity"));
    lblFilename =
        makeLabel(file, "lblFilename", QStringLiteral("File:"), twipsRect(480, 2280, 375, 255));
    txtFilename = makeTextBox(file, "txtFilename", QStringLiteral("C:\\pass.txt"),
                              twipsRect(960, 2220, 3495, 285));
    cmdbrows =
        makeButton(file, "cmdbrows", QStringLiteral("browse"), twipsRect(4560, 2220, 735, 255));
    cmdGenerateFile = makeButton(file, "cmdGenerateFile", QStringLiteral("Generate"),
                                 twipsRect(1800, 2640, 1935, 375));
    prgPrint = new QProgressBar(file);
    prgPrint->setObjectName(QStringLiteral("prgPrint"));
    prgPrint->setGeometry(twipsRect(120, 2700, 5295, 375));
    prgPrint->setTextVisible(false);
    prgPrint->setAccessibleName(QStringLiteral("Progress"));
    prgPrint->hide(); // shown only while a batch file is written, in the button's place

    QWidget* user = SSTab1->addTab(QStringLiteral("Username"));
    lblFirstname = makeLabel(user, "lblFirstname", QStringLiteral("First name:"),
                             twipsRect(1560, 900, 975, 255));
    txtFirstname = makeTextBox(user, "txtFirstname", QString(), twipsRect(2400, 900, 1695, 285));
    lblLastname = makeLabel(user, "lblLastname", QStringLiteral("Last name:"),
                            twipsRect(1560, 1260, 855, 255));
    txtLastname = makeTextBox(user, "txtLastname", QString(), twipsRect(2400, 1260, 1695, 285));
    txtUserresult = makeTextBox(user, "txtUserresult", QString(), twipsRect(1560, 1740, 2535, 285));
    txtUserresult->setAccessibleName(QStringLiteral("User name"));
    cmduserGenerate = makeButton(user, "cmduserGenerate", QStringLiteral("Generate"),
                                 twipsRect(1800, 2640, 1935, 375));

    QWidget* hex = SSTab1->addTab(QStringLiteral("Hex Generator"));
    cmbBits = makeComboBox(hex, "cmbBits", bitsList(), QStringLiteral("Bits"),
                           twipsRect(3720, 1320, 1455, 315));
    nameControl(cmbBits, QStringLiteral("Bits")); // it has no label; its first text says it
    lblHex = makeLabel(hex, "lblHex", QStringLiteral("HexValue:"), twipsRect(240, 1800, 735, 255));
    txtHexResult = makeTextBox(hex, "txtHexResult", QString(), twipsRect(1080, 1800, 4095, 285));
    cmdHexGenerate = makeButton(hex, "cmdHexGenerate", QStringLiteral("Generate"),
                                twipsRect(1800, 2640, 1935, 375));

    // Each label names its box, so screen readers speak the box by the label's caption.
    attachLabel(lblLength, cmbLength);
    attachLabel(lblPass, txtResult);
    attachLabel(Label1, Combo1);
    attachLabel(lblQuantity, txtQuantity);
    attachLabel(lblFilename, txtFilename);
    attachLabel(lblFirstname, txtFirstname);
    attachLabel(lblLastname, txtLastname);
    attachLabel(lblHex, txtHexResult);

    resultStrength_ = new StrengthNote(txtResult, "password");
    hexStrength_ = new StrengthNote(txtHexResult, "hex string");
    userStrength_ = new StrengthNote(txtUserresult, "user name");
    connect(Combo1, &QComboBox::currentTextChanged, this, &frmGenerator::describeBatchRun);
    for (QCheckBox* box : {check2, Check1, check4, Check3})
        connect(box, &QCheckBox::toggled, this, &frmGenerator::describeBatchRun);

    connect(cmdGenerate, &QPushButton::clicked, this, &frmGenerator::cmdGenerate_Click);
    connect(cmdHexGenerate, &QPushButton::clicked, this, &frmGenerator::cmdHexGenerate_Click);
    connect(cmduserGenerate, &QPushButton::clicked, this, &frmGenerator::cmduserGenerate_Click);
    connect(SSTab1, &TabControl::Click, this, &frmGenerator::SSTab1_Click);
    connect(cmdGenerateFile, &QPushButton::clicked, this, &frmGenerator::cmdGenerateFile_Click);
    connect(SpinButton1, &SpinButton::SpinUp, this, &frmGenerator::SpinButton1_SpinUp);
    connect(SpinButton1, &SpinButton::SpinDown, this, &frmGenerator::SpinButton1_SpinDown);
    connect(SpinButton1, &SpinButton::KeyDown, this, &frmGenerator::SpinButton1_KeyDown);
    connect(SpinButton1, &SpinButton::KeyUp, this, &frmGenerator::SpinButton1_KeyUp);
    connect(cmdbrows, &QPushButton::clicked, this, &frmGenerator::cmdbrows_Click);
}

void frmGenerator::buildMenus() {
    mnuparrentFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuparrentFile->setObjectName(QStringLiteral("mnuparrentFile"));
    mnuCopy = mnuparrentFile->addAction(QStringLiteral("Copy"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuExit = mnuparrentFile->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuParrenthelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuParrenthelp->setObjectName(QStringLiteral("mnuParrenthelp"));
    mnuAbout = mnuParrenthelp->addAction(QStringLiteral("About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    connect(mnuCopy, &QAction::triggered, this, &frmGenerator::mnuCopy_Click);
    connect(mnuExit, &QAction::triggered, this, &frmGenerator::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmGenerator::mnuAbout_Click);
    // Ctrl+C runs Copy also while a text box has the focus.
    QCoreApplication::instance()->installEventFilter(new CopyShortcutFilter(mnuCopy, this));
    // Alt with a letter types nothing, and F10 opens the menus.
    new MenuKeys(menuBar());
}

void frmGenerator::setFocusOrder() {
    QWidget* const order[] = {
        SSTab1->tabBar(), cmbLength,     txtResult,      chkCharlow,      chkCharup,
        chkSym,           chkNum,        cmdGenerate,    Combo1,          Check1,
        check2,           Check3,        check4,         cmdGenerateFile, txtFilename,
        cmdbrows,         txtQuantity,   SpinButton1,    cmduserGenerate, txtFirstname,
        txtLastname,      txtUserresult, cmdHexGenerate, txtHexResult,    cmbBits};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmGenerator::Form_Load() {
    easyClasses_.tickAll();
    fileClasses_.tickAll();
    describeBatchRun();
}

void frmGenerator::closeEvent(QCloseEvent* event) {
    if (batchRun_->isRunning()) {
        // Stop the run first: its file is dropped and the old one kept, then the window closes.
        batchRun_->stop();
        closeAfterBatch_ = true;
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void frmGenerator::Form_Unload() {
    // The program ends with its main window, and every other window goes with it: an open
    // modeless dialog (About) would otherwise keep the program running.
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other != this && other->isVisible() && !other->close())
            other->hide();
    }
    emit programEnded();
}

std::optional<std::int32_t> frmGenerator::readLength(const QComboBox* box, ClassTicks ticks,
                                                     const LengthWarning& warn) {
    const std::string text = box->currentText().toStdString();
    const NumberMarks marks = localeNumberMarks();
    const LengthReading reading = readLengthText(text, marks);
    const LengthProblem problem = lengthProblemFor(reading, drawsCharacters(ticks));
    if (problem != LengthProblem::none) {
        warn(lengthProblemMessage(problem, text, marks));
        return std::nullopt;
    }
    return reading.value;
}

std::optional<std::string> frmGenerator::EasyPassword() {
    const std::optional<std::int32_t> length =
        readLength(cmbLength, easyClasses_.ticks(), [this](const std::string& message) {
            services_.messages.show(this, QString::fromStdString(message), MessageIcon::warning);
        });
    if (!length)
        return std::nullopt;
    return composePassword(*length, easyClasses_.ticks(), services_.random);
}

void frmGenerator::cmdGenerate_Click() {
    if (const std::optional<std::string> password = EasyPassword()) {
        // The rule's figures: the password's length is what was asked for, or it is empty.
        resultStrength_->show(
            QString::fromStdString(*password),
            passwordStrength(static_cast<std::int32_t>(password->size()), easyClasses_.ticks()));
    }
}

void frmGenerator::cmdHexGenerate_Click() {
    const std::string hex =
        composeHexString(cmbBits->currentText().toStdString(), services_.random);
    hexStrength_->show(QString::fromStdString(hex),
                       hexStrength(static_cast<std::int32_t>(hex.size())));
}

void frmGenerator::cmduserGenerate_Click() {
    const QByteArray firstName = txtFirstname->text().toUtf8();
    const QByteArray lastName = txtLastname->text().toUtf8();
    const std::string name = composeUsername(firstName.toStdString(), lastName.toStdString(),
                                             GraphemeBoundaries(), services_.random);
    userStrength_->show(QString::fromStdString(name), usernameStrength());
}

void frmGenerator::SetCopyText(const std::int16_t& tabIndex) {
    switch (static_cast<GeneratorTab>(tabIndex)) {
    case GeneratorTab::easy:
        CopyText = txtResult->text();
        break;
    case GeneratorTab::username:
        CopyText = txtUserresult->text();
        break;
    case GeneratorTab::hex:
        CopyText = txtHexResult->text();
        break;
    case GeneratorTab::file:
        return; // the File Generator tab has no result to copy
    }
}

void frmGenerator::mnuCopy_Click() {
    const auto tabIndex = static_cast<std::int16_t>(SSTab1->currentIndex());
    SetCopyText(tabIndex);
    services_.clipboard.clear(); // even for an empty text: what was there before goes
    services_.clipboard.place(secretTextMimeData(CopyText));
}

void frmGenerator::SSTab1_Click(int /*previousTab*/) {
    const auto tabIndex = static_cast<GeneratorTab>(SSTab1->currentIndex());
    mnuCopy->setEnabled(tabIndex != GeneratorTab::file);
}

void frmGenerator::mnuExit_Click() {
    close(); // the same end as closing the window: Form_Unload
}

frmGenerator::~frmGenerator() {
    delete aboutDialog_.data(); // before the services it uses go
}

void frmGenerator::mnuAbout_Click() {
    // A closed dialog is hidden until its deferred deletion; it counts as gone.
    if (aboutDialog_ != nullptr && !aboutDialog_->isVisible())
        delete aboutDialog_.data();
    if (aboutDialog_ == nullptr)
        aboutDialog_ = new frmAbout(AboutServices{services_.messages, services_.sysInfoTool}, this);
    aboutDialog_->show();
    aboutDialog_->raise();
    aboutDialog_->activateWindow();
}

} // namespace quentara
