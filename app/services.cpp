// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/services.h"

#include "about/sys_info.h"
#include "batch/file_layer.h"
#include "widgets/beep.h"
#include "widgets/clipboard.h"
#include "widgets/file_chooser.h"
#include "widgets/message_box.h"

#ifdef _WIN32
#include "about/sys_info_windows.h"
#else
#include "about/detached_launcher.h"
#include "about/sys_info_desktop.h"

#include <cstdlib>
#endif

namespace quentara {

Services Services::platform(RandomSource& random) {
    static QtMessageBox messages;
    static QtClipboard clipboard;
    static QtBeep beep;
    static QtFileChooser fileChooser;
    static SystemFileLayer fileSystem;
#ifdef _WIN32
    static WindowsRegistry registry;
    static WindowsFileCheck fileCheck;
    static WindowsLauncher launcher;
    static RegistrySysInfoTool sysInfoTool(registry, fileCheck, launcher);
#else
    // Without the Windows registry, the desktop's own system-information program on the PATH.
    static NoRegistry registry;
    static DetachedLauncher launcher;
    static PathSysInfoTool sysInfoTool(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "",
                                       launcher);
#endif
    return {messages, clipboard, beep, fileChooser, fileSystem, registry, sysInfoTool, random};
}

} // namespace quentara
