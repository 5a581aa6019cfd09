// Choosing the path of the batch file in the platform's file dialog.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace quentara {

struct FileChoice {
    QString title;
    QString filter;
    QString folder; // where the dialog starts
};

// What the browse button asks for: its title, its one filter, and "C:\test" as the start
// folder where that folder exists, the user's home folder otherwise.
FileChoice BatchFileChoice();

// A chosen path longer than this leaves the file name as it was.
inline constexpr int maxChosenPathLength = 255;

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<QString> chooseFile(QWidget* owner, const FileChoice& choice) = 0;
};

// The toolkit's dialog, modal to `owner`. It accepts an existing file and a new name alike
// and never asks about replacing a file: the batch run writes it later.
class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseFile(QWidget* owner, const FileChoice& choice) override;
};

} // namespace quentara
