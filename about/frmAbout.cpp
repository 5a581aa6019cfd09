// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmAbout.h"

#include "about/sys_info.h"
#include "program_info.h"
#include "widgets/controls.h"
#include "widgets/message_box.h"
#include "widgets/program_icon.h"
#include "widgets/program_window.h"
#include "widgets/title_bar.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

namespace quentara {
namespace {

const QString applicationTitle = QString::fromLatin1(programName);

// Room a push button needs around its caption: frame and padding on both sides.
constexpr int buttonCaptionMargin = 8;

// The buttons stand in one column; where the platform's font makes a caption wider than its
// button, the column widens to the right (towards the free space before the labels) instead
// of cutting the caption off.
void widenForCaptions(std::initializer_list<QPushButton*> column) {
    int needed = 0;
    bool cut = false;
    for (QPushButton* button : column) {
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const int width = button->fontMetrics().horizontalAdvance(caption) + buttonCaptionMargin;
        cut = cut || width > button->width();
        needed = std::max({needed, width, button->width()});
    }
    if (cut) {
        for (QPushButton* button : column)
            button->resize(needed, button->height());
    }
}

} // namespace

frmAbout::frmAbout(AboutServices services, QWidget* owner)
    : QDialog(owner, Qt::Dialog | fixedWindowFlags), services_(services) {
    // The title is replaced by Form_Load before it is seen.
    dressProgramWindow(this, "frmAbout", QStringLiteral("About"));
    setModal(false);
    // Closing deletes the dialog and its controls; the next About builds them anew.
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether or not this dialog is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The client area stands at a fixed place on the screen, not centred.
    setGeometry(twipsRect(2340, 1935, 5520, 2565));
    setFixedSize(size());
    buildControls();
    addOwnTitleBarWhereQtDrawsIt(this);
    Form_Load();
}

void frmAbout::buildControls() {
    cmdOK = makeButton(this, "cmdOK", QStringLiteral("OK"), twipsRect(120, 1200, 1140, 345));
    cmdSysInfo = makeButton(this, "cmdSysInfo", QStringLiteral("&System Info..."),
                            twipsRect(120, 1680, 1125, 345));
    // The title and the description are black on a light palette; they take the palette's
    // text colour rather than a fixed black, which a dark palette's background would swallow.
    lblDescription = makeLabel(this, "lblDescription",
                               QStringLiteral("Makes passwords and other random strings."),
                               twipsRect(1440, 1125, 3885, 1170));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Application Title"),
                         twipsRect(1410, 240, 3885, 480));
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblVersion =
        makeLabel(this, "lblVersion", QStringLiteral("Version"), twipsRect(1410, 780, 3885, 225));
    widenForCaptions({cmdOK, cmdSysInfo});

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(360, 240, 720, 720));
    Image1->setPixmap(programIcon().pixmap(Image1->size()));
    Image1->setAccessibleName(QStringLiteral("Program icon"));

    // Enter presses the focused button; "OK", focused first, is the default otherwise.
    cmdOK->setAutoDefault(true);
    cmdSysInfo->setAutoDefault(true);
    cmdOK->setDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + applicationTitle);
    lblVersion->setText(QStringLiteral("Version ") + QString::fromLatin1(programVersion));
    lblTitle->setText(applicationTitle);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::reject() {
    cmdOK->click();
}

void frmAbout::closeEvent(QCloseEvent* event) {
    // Every way of closing deletes the dialog; its own close never asks to reject.
    event->accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    bool started = false;
    try {
        started = services_.sysInfoTool.start();
    } catch (const std::exception&) {
        // Any error on the way (an empty registry value, a failing launch) ends in the message.
    }
    if (!started)
        services_.messages.show(this, QString::fromLatin1(toolUnavailableMessage),
                                MessageIcon::none);
}

} // namespace quentara
