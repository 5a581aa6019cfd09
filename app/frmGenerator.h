// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: four generator tabs, the File and Help menus.
#pragma once

#include "app/class_boxes.h"
#include "app/services.h"
#include "generators/password_composer.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

namespace quentara {

class BatchRun;
class SpinButton;
class StrengthNote;
class TabControl;
class frmAbout;

class frmGenerator : public QMainWindow {
    Q_OBJECT
public:
    explicit frmGenerator(Services services, QWidget* parent = nullptr);
    ~frmGenerator() override;

signals:
    // The window has closed and the program is to end, however many other windows are open.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void cmdGenerate_Click();
    void mnuAbout_Click();

    // Hex and Username generators, the Copy command and the end of the program
    void cmdHexGenerate_Click();
    void cmduserGenerate_Click();
    void mnuCopy_Click();
    void SSTab1_Click(int previousTab);
    void mnuExit_Click();

    // File Generator: the batch run, the quantity spinner, the output file chooser.
    void cmdGenerateFile_Click();
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void SpinButton1_KeyDown(int key, Qt::KeyboardModifiers shift);
    void SpinButton1_KeyUp(int key, Qt::KeyboardModifiers shift);
    void cmdbrows_Click();

private:
    void buildControls();
    void buildMenus();
    void setFocusOrder();
    void Form_Load();
    void Form_Unload();

    std::optional<std::string> EasyPassword();
    // The length box's value for these ticks; when it is refused, `warn` gets the reason.
    using LengthWarning = std::function<void(const std::string&)>;
    std::optional<std::int32_t> readLength(const QComboBox* box, ClassTicks ticks,
                                           const LengthWarning& warn);

    // File Generator
    std::optional<PasswordAppender> FilePassword(const QString& fileName);
    void stepQuantity(double amount);
    // cmdGenerateFile tells the strength of each password the run would write, whenever the
    // length or a tick changes; screen readers also hear how the last run ended.
    void describeBatchRun();
    std::unique_ptr<BatchRun> batchRun_;
    QString batchEndNote_;         // after a run that wrote its file; else empty
    bool closeAfterBatch_ = false; // a close request came during a run

    Services services_;

    // Copy command: the copy buffer and what fills it
    friend class CopyBufferProbe; // tests read the buffer that only Copy may change
    void SetCopyText(const std::int16_t& tabIndex);
    QString CopyText;

    TabControl* SSTab1 = nullptr;
    ClassBoxes easyClasses_;
    ClassBoxes fileClasses_;

    // Easy Generator
    QCheckBox* chkNum = nullptr;
    QCheckBox* chkSym = nullptr;
    QCheckBox* chkCharup = nullptr;
    QCheckBox* chkCharlow = nullptr;
    QLabel* lblLength = nullptr;
    QComboBox* cmbLength = nullptr;
    QLabel* lblPass = nullptr;
    QLineEdit* txtResult = nullptr;
    QPushButton* cmdGenerate = nullptr;

    // File Generator
    QCheckBox* check4 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* check2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* lblQuantity = nullptr;
    QLineEdit* txtQuantity = nullptr;
    SpinButton* SpinButton1 = nullptr;
    QLabel* lblFilename = nullptr;
    QLineEdit* txtFilename = nullptr;
    QPushButton* cmdbrows = nullptr;
    QPushButton* cmdGenerateFile = nullptr;
    QProgressBar* prgPrint = nullptr;

    // Username
    QLabel* lblFirstname = nullptr;
    QLineEdit* txtFirstname = nullptr;
    QLabel* lblLastname = nullptr;
    QLineEdit* txtLastname = nullptr;
    QLineEdit* txtUserresult = nullptr;
    QPushButton* cmduserGenerate = nullptr;

    // Hex Generator
    QComboBox* cmbBits = nullptr;
    QLabel* lblHex = nullptr;
    QLineEdit* txtHexResult = nullptr;
    QPushButton* cmdHexGenerate = nullptr;

    // Menus
    QMenu* mnuparrentFile = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuParrenthelp = nullptr;
    QAction* mnuAbout = nullptr;

    // The strength of the result on show in each result box.
    StrengthNote* resultStrength_ = nullptr;
    StrengthNote* hexStrength_ = nullptr;
    StrengthNote* userStrength_ = nullptr;

    // The one About dialog, while it is loaded.
    QPointer<frmAbout> aboutDialog_;
};

} // namespace quentara
