#include "app/services.h"

#include "app/clipboard.h"
#include "app/message_box.h"
#include "batch/beep.h"
#include "batch/file_chooser.h"
#include "batch/file_layer.h"

#ifdef _WIN32
#include "about/sys_info_windows.h"
#else
#include "about/detached_launcher.h"
#include "about/sys_info_desktop.h"

#include <cstdlib>
#endif

namespace quentara {

namespace {

void AddSysInfoServices(Services& services) {
#ifdef _WIN32
    static WindowsRegistry registry;
    static WindowsFileCheck fileCheck;
    static WindowsLauncher launcher;
#else
    // Without the Windows registry the desktop's own system-information program, looked up
    // once on the PATH, stands where the registry would name the tool.
    static MemoryRegistry registry = [] {
        const char* searchPath = std::getenv("PATH");
        return DesktopRegistry(searchPath != nullptr ? searchPath : "");
    }();
    static DesktopFileCheck fileCheck;
    static DetachedLauncher launcher;
#endif
    services.registry = &registry;
    services.fileCheck = &fileCheck;
    services.processLauncher = &launcher;
}

} // namespace

Services Services::platform() {
    static QtMessageBox messages;
    static QtClipboard clipboard;
    static QtBeep beep;
    static QtFileChooser fileChooser;
    static SystemFileLayer batchFiles;
    Services services{&messages};
    services.clipboard = &clipboard;
    services.beep = &beep;
    services.fileChooser = &fileChooser;
    services.batchFiles = &batchFiles;
    AddSysInfoServices(services);
    return services;
}

} // namespace quentara
