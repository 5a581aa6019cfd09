// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window with recording stand-ins for every platform service, shown on the
// offscreen platform. It draws from the secure source unless a test loads a script. The batch file
// goes to the real file system, through a layer a test may swap for a failing one.
#pragma once

#include "app/frmGenerator.h"
#include "app/generator_tab.h"
#include "support/batch_fakes.h"
#include "support/recording_clipboard.h"
#include "support/recording_message_box.h"
#include "support/scriptable_random.h"
#include "support/scripted_sys_info.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace quentara {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
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

    // A key as the platform sends it: to the window, which hands it to the focused control or
    // to an open menu once the shortcuts have had their say.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    void setTicks(std::initializer_list<const char*> names, bool ticked) {
        for (const char* name : names) {
            QCheckBox* box = control<QCheckBox>(name);
            if (box->isChecked() != ticked)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        }
    }

    // Selects a tab the way a user does, by clicking its caption.
    void chooseTab(GeneratorTab tab) {
        QTabBar* bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(static_cast<int>(tab)).center());
    }

    // Opens the menu `menuName` on the menu bar and clicks its item `itemName`, with the mouse.
    void chooseMenuItem(const char* menuName, const char* itemName) {
        QMenuBar* bar = window->menuBar();
        auto* menu = control<QMenu>(menuName);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(control<QAction>(itemName)).center());
    }

    // Runs `action` in an event loop that ends when the window says the program ends: 0 then,
    // -1 when it never does.
    int runUntilTheProgramEnds(const std::function<void()>& action) {
        QEventLoop loop;
        QObject::connect(window.get(), &frmGenerator::programEnded, &loop,
                         [&loop] { loop.exit(0); });
        QTimer::singleShot(0, &loop, action);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(-1); });
        return loop.exec();
    }

    RecordingMessageBox messages;
    RecordingClipboard clipboard;
    RecordingBeep beep;
    ScriptedFileChooser chooser;
    ForwardingFileLayer files;
    RecordingSysInfoTool sysInfoTool;
    ScriptableRandom random;
    Services services{messages, clipboard, beep, chooser, files, sysInfoTool, random};
    std::unique_ptr<frmGenerator> window;
};

} // namespace quentara
