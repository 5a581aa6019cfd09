// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/frmAbout.h"
#include "support/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>

namespace quentara {

// The real main window and its About dialog.
class AboutDialogTest : public MainWindowTest {
protected:
    void TearDown() override {
        window.reset(); // before the scripted services go
        settle();
    }

    // Help, About, as the user picks it.
    frmAbout* openAbout() {
        window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        const QList<frmAbout*> open = aboutDialogs();
        if (open.size() != 1) {
            ADD_FAILURE() << open.size() << " About dialogs open";
            return nullptr;
        }
        return open.front();
    }

    // Lets closed windows finish going, as the event loop would.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static QList<frmAbout*> aboutDialogs() {
        QList<frmAbout*> dialogs;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<frmAbout*>(widget))
                dialogs << dialog;
        return dialogs;
    }

    template <typename Control = QWidget> static Control* part(frmAbout* dialog, const char* name) {
        auto* found = dialog->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr)
            ADD_FAILURE() << "no control " << name << " on the About dialog";
        return found;
    }
};

} // namespace quentara
