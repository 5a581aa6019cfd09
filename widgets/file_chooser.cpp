// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/file_chooser.h"

#include "widgets/dialog_history.h"

#include <QDir>
#include <QFileDialog>

namespace quentara {

std::optional<QString> QtFileChooser::chooseFile(QWidget* owner, const FileChoice& choice) {
    keepNoDialogHistory();
    QFileDialog dialog(owner, choice.title, choice.folder, choice.filter);
    dialog.setObjectName(QStringLiteral("fileChooserDialog"));
    // The open dialog in any-file mode takes a name that does not exist yet, and unlike a
    // save dialog it never asks before a file would be replaced.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.constFirst());
}

} // namespace quentara
