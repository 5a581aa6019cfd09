// The platform services the windows use; tests hand in recording fakes.
#pragma once

namespace quentara {

class Clipboard;
class MessageBox;
class Registry;
class FileCheck;
class ProcessLauncher;

struct Services {
    MessageBox* messages = nullptr;
    Clipboard* clipboard = nullptr;
    // The About dialog's system-information launcher.
    Registry* registry = nullptr;
    FileCheck* fileCheck = nullptr;
    ProcessLauncher* processLauncher = nullptr;

    // The real services of the running program; they live as long as the process.
    static Services platform();
};

} // namespace quentara
