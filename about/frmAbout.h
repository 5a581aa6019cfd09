// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog: the program's icon, name, version and what it does, and a button that
// starts the operating system's system-information tool.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quentara {

class MessageBox;
class SysInfoTool;

// What the dialog needs of the platform.
struct AboutServices {
    MessageBox& messages;
    SysInfoTool& sysInfoTool;
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog and runs Form_Load. It is modeless, a window of its own that stays with
    // `owner` (above it, and gone with it), deletes itself when closed and does not keep the
    // program running.
    explicit frmAbout(AboutServices services, QWidget* owner = nullptr);

    // Launches the system-information tool, or tells the user it is unavailable. Where there
    // is a registry, the tool looks itself up there through GetKeyValue (about/sys_info.h).
    void StartSysInfo();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc: the cancel button is "OK".
    void reject() override;

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void buildControls();
    void Form_Load();

    AboutServices services_;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Image1 = nullptr;
};

} // namespace quentara
