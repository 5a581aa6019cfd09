// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_file_choice.h"

#include <QDir>
#include <QFileInfo>

namespace quentara {

FileChoice batchFileChoice() {
    const QFileInfo preferred(QStringLiteral("C:\\test"));
    return FileChoice{QStringLiteral("Use the Comdlg API not the OCX"),
                      QStringLiteral("Text Files (*.txt)"),
                      preferred.isDir() ? preferred.absoluteFilePath() : QDir::homePath()};
}

std::optional<QString> chooseBatchFile(FileChooser& chooser, QWidget* owner) {
    std::optional<QString> chosen = chooser.chooseFile(owner, batchFileChoice());
    if (chosen && chosen->size() > maxChosenPathLength)
        return std::nullopt;
    return chosen;
}

} // namespace quentara
