// The platform services the windows use; tests hand in recording fakes.
#pragma once

namespace quentara {

class Clipboard;
class MessageBox;
class Beep;
class FileChooser;
class FileLayer;
class Registry;
class FileCheck;
class ProcessLauncher;

struct Services {
    MessageBox* messages = nullptr;
    Clipboard* clipboard = nullptr;
    // Batch file: the end-of-run beep, the output file dialog, the files it writes.
    Beep* beep = nullptr;
    FileChooser* fileChooser = nullptr;
    FileLayer* batchFiles = nullptr;
    // The About dialog's system-information launcher.
    Registry* registry = nullptr;
    FileCheck* fileCheck = nullptr;
    ProcessLauncher* processLauncher = nullptr;

    // The real services of the running program; they live as long as the process.
    static Services platform();
};

} // namespace quentara
