// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing where the batch file goes, in the platform's file dialog.
#pragma once

#include "widgets/file_chooser.h"

#include <QString>
#include <optional>

class QWidget;

namespace quentara {

// What the browse button asks for: its title, its one filter, and "C:\test" as the start
// folder where that folder exists, the user's home folder otherwise.
FileChoice batchFileChoice();

// A chosen path longer than this leaves the file name as it was.
inline constexpr int maxChosenPathLength = 255;

// The path the user chose for the batch file; nothing when the dialog was cancelled or the
// path is too long.
std::optional<QString> chooseBatchFile(FileChooser& chooser, QWidget* owner);

} // namespace quentara
