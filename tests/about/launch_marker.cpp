// SPDX-License-Identifier: GPL-3.0-or-later
// Started by the launcher tests in place of the system-information tool: leaves
// "<its own path>.ran" behind, holding the window style it was asked to show its window with.
#include <fstream>
#include <string>
#include <windows.h>

int main() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const bool styleGiven = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
    std::ofstream marker(std::string(path, length) + ".ran", std::ios::binary);
    marker << "show " << (styleGiven ? std::to_string(startup.wShowWindow) : "default");
    return marker ? 0 : 1;
}
