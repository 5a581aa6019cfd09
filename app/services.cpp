// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/services.h"

#include "about/platform_sys_info.h"
#include "batch/file_layer.h"
#include "widgets/beep.h"
#include "widgets/clipboard.h"
#include "widgets/file_chooser.h"
#include "widgets/message_box.h"

namespace quentara {

Services Services::platform(RandomSource& random) {
    static QtMessageBox messages;
    static QtClipboard clipboard;
    static QtBeep beep;
    static QtFileChooser fileChooser;
    static SystemFileLayer fileSystem;
    return {messages, clipboard, beep, fileChooser, fileSystem, platformSysInfoTool(), random};
}

} // namespace quentara
