// SPDX-License-Identifier: GPL-3.0-or-later
// Drives a running quentara.exe as a user would, through Windows' own input and clipboard
// (used by scripts/smoke-windows under wine): finds the window, generates a password and copies
// it, writes a batch file of 100 lines, opens About and closes it, then closes the program.
// Usage: quentara_smoke BATCH_FILE_PATH [PAUSE_FILE]; prints one line per step, exit code 0 when
// all held. With PAUSE_FILE it creates that file once a password is shown and waits (at most
// 15 s) until it is removed, so a screenshot can be taken.
#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>
#include <windows.h>

namespace {

int failures = 0;

void check(bool held, const char* what, const std::string& detail = {}) {
    std::printf("%s: %s%s%s\n", held ? "ok" : "FAILED", what, detail.empty() ? "" : " - ",
                detail.c_str());
    std::fflush(stdout);
    if (!held)
        ++failures;
}

HWND waitForWindow(const wchar_t* title) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        // Qt names the window before it gives it its size and shows it.
        if (HWND window = FindWindowW(nullptr, title); window && IsWindowVisible(window)) {
            Sleep(400);
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

void settle() {
    Sleep(400);
}

void sendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    settle();
}

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void press(WORD key, WORD modifier = 0) {
    std::vector<INPUT> inputs;
    if (modifier)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    if (modifier)
        inputs.push_back(keyInput(modifier, true));
    sendInputs(inputs);
}

void type(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : text)
        for (const bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    sendInputs(inputs);
}

// A click at a point of the window's client area, given in pixels.
void click(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    std::vector<INPUT> inputs(2);
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    sendInputs(inputs);
}

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The registered clipboard format's data as a 32-bit number, or -1 when it is not there.
long long clipboardNumber(const wchar_t* format) {
    long long number = -1;
    if (!OpenClipboard(nullptr))
        return number;
    if (HANDLE data = GetClipboardData(RegisterClipboardFormatW(format))) {
        if (GlobalSize(data) >= 4) {
            if (const auto* bytes = static_cast<const unsigned char*>(GlobalLock(data))) {
                number = bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                         static_cast<long long>(bytes[3]) << 24;
                GlobalUnlock(data);
            }
        }
    }
    CloseClipboard();
    return number;
}

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end()); // ASCII only here
}

// The names of the registered formats on the clipboard, to say what was there instead.
std::string clipboardFormatNames() {
    std::string names;
    if (!OpenClipboard(nullptr))
        return names;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        char name[256];
        const int length = GetClipboardFormatNameA(format, name, sizeof name);
        names += (length > 0 ? std::string(name, static_cast<std::size_t>(length))
                             : std::to_string(format)) +
                 " ";
    }
    CloseClipboard();
    return names;
}

bool isPasswordCharacter(wchar_t c) {
    return std::iswalnum(c) || (c >= L'#' && c <= L'+');
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: quentara_smoke BATCH_FILE_PATH [PAUSE_FILE]\n");
        return 2;
    }
    const std::string batchFile = argv[1];
    DeleteFileA(batchFile.c_str());

    HWND window = waitForWindow(L"Quentara");
    check(window != nullptr, "the main window titled \"Quentara\" is shown");
    if (!window)
        return 1;
    RECT client{};
    GetClientRect(window, &client);
    // The tabs take 5625 x 3210 twips (375 x 214 pixels); the menu bar lies above them.
    const int menuBar = client.bottom - 214;
    check(client.right == 375 && menuBar > 0 && menuBar < 40, "client area 375 wide, tabs 214 high",
          std::to_string(client.right) + "x" + std::to_string(client.bottom));
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    check((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
          "fixed size, without minimize and maximize buttons", std::to_string(style));
    SetForegroundWindow(window);
    settle();

    // Easy Generator: "Generate" (1800, 2640, 1935 x 375 twips), then Ctrl+C.
    click(window, 184, menuBar + 188);
    press('C', VK_CONTROL);
    const std::wstring password = clipboardText();
    bool allFromClasses = password.size() == 6;
    for (const wchar_t c : password)
        allFromClasses = allFromClasses && isPasswordCharacter(c);
    check(allFromClasses, "Generate and Copy give a 6-character password", narrow(password));
    check(clipboardNumber(L"ExcludeClipboardContentFromMonitorProcessing") >= 0 &&
              clipboardNumber(L"CanIncludeInClipboardHistory") == 0 &&
              clipboardNumber(L"CanUploadToCloudClipboard") == 0,
          "the copied password is kept out of clipboard history and the cloud clipboard",
          clipboardFormatNames());

    if (argc == 3) {
        CloseHandle(CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        for (int attempt = 0;
             attempt < 150 && GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; ++attempt)
            Sleep(100);
    }

    // File Generator: its tab, then the quantity, the file name and "Generate".
    click(window, 141, menuBar + 17);
    click(window, 184, menuBar + 117); // txtQuantity
    press('A', VK_CONTROL);
    type(L"100");
    click(window, 180, menuBar + 157); // txtFilename
    press('A', VK_CONTROL);
    type(std::wstring(batchFile.begin(), batchFile.end()));
    click(window, 184, menuBar + 188); // cmdGenerateFile
    bool written = false;
    for (int attempt = 0; attempt < 100 && !written; ++attempt) {
        written = GetFileAttributesA(batchFile.c_str()) != INVALID_FILE_ATTRIBUTES;
        Sleep(100);
    }
    check(written, "the File Generator writes the batch file", batchFile);

    // Help, About by keyboard: Alt opens the menu bar, Right moves to Help, Enter opens it and
    // Enter again picks About.
    press(VK_MENU);
    press(VK_RIGHT);
    press(VK_RETURN);
    press(VK_RETURN);
    HWND about = waitForWindow(L"About Quentara");
    check(about != nullptr, "Help, About opens \"About Quentara\"");
    if (about) {
        SetForegroundWindow(about);
        settle();
        press(VK_ESCAPE);
        Sleep(1000);
        check(!IsWindowVisible(about) || !IsWindow(about), "Esc closes About");
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    return failures == 0 ? 0 : 1;
}
