#pragma once

#include "about/scripted_sys_info.h"
#include "app/frmGenerator.h"
#include "app/tab_control.h"
#include "batch/batch_fakes.h"
#include "recording_clipboard.h"
#include "recording_message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace quentara {

// The real main window with recording stand-ins for every platform service, shown on the
// offscreen platform.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        services.messages = &messages;
        services.clipboard = &clipboard;
        services.beep = &beep;
        services.fileChooser = &chooser;
        services.batchFiles = &files;
        services.registry = &registry;
        services.fileCheck = &fileCheck;
        services.processLauncher = &launcher;
        window = std::make_unique<frmGenerator>(services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename Control = QWidget> Control* control(const char* name) const {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr)
            ADD_FAILURE() << "no control " << name;
        return found;
    }

    TabControl* tabs() const { return control<TabControl>("SSTab1"); }

    void click(const char* buttonName) {
        QTest::mouseClick(control<QPushButton>(buttonName), Qt::LeftButton);
    }

    void typeInto(const char* name, const QString& text) {
        QWidget* box = control(name);
        if (auto* combo = qobject_cast<QComboBox*>(box))
            box = combo->lineEdit();
        auto* edit = qobject_cast<QLineEdit*>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void setTicks(std::initializer_list<const char*> names, bool ticked) {
        for (const char* name : names) {
            QCheckBox* box = control<QCheckBox>(name);
            if (box->isChecked() != ticked)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        }
    }

    // Selects a tab the way a user does, by clicking its caption.
    void chooseTab(int index) {
        QTabBar* bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    RecordingMessageBox messages;
    RecordingClipboard clipboard;
    RecordingBeep beep;
    ScriptedFileChooser chooser;
    ForwardingFileLayer files;
    RecordingRegistry registry;
    ScriptedFileCheck fileCheck;
    RecordingLauncher launcher;
    Services services;
    std::unique_ptr<frmGenerator> window;
};

} // namespace quentara
