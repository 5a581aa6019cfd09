// The platform services the windows use; tests hand in recording fakes.
#pragma once

namespace quentara {

class MessageBox;
class Beep;
class FileChooser;
class FileLayer;

struct Services {
    MessageBox* messages = nullptr;
    // Batch file: the end-of-run beep, the output file dialog, the files it writes.
    Beep* beep = nullptr;
    FileChooser* fileChooser = nullptr;
    FileLayer* batchFiles = nullptr;

    // The real services of the running program; they live as long as the process.
    static Services platform();
};

} // namespace quentara
