// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a file in the platform's file dialog.
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

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<QString> chooseFile(QWidget* owner, const FileChoice& choice) = 0;
};

// The toolkit's dialog, modal to `owner`. It accepts an existing file and a new name alike
// and never asks about replacing a file: its owner decides what to do with it. It keeps no
// history of the folders visited.
class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseFile(QWidget* owner, const FileChoice& choice) override;
};

} // namespace quentara
