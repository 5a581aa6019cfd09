// SPDX-License-Identifier: GPL-3.0-or-later
// A batch run as the window shows it: the progress bar in the button's place, repaints at a
// bounded rate, no input meanwhile, a beep when the file is written, a message when it is not.
#pragma once

#include "generators/password_composer.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QProgressBar;
class QPushButton;
class QWidget;

namespace quentara {

class Beep;
class FileLayer;
class MessageBox;

// What a run needs of the platform.
struct BatchServices {
    MessageBox& messages;
    Beep& beep;
    FileLayer& files;
};

class BatchRun {
public:
    // `button` gives its place to `bar` while a run lasts; messages are shown over `window`.
    BatchRun(QWidget* window, QPushButton* button, QProgressBar* bar, BatchServices services);

    // The number of lines `quantityText` asks for; otherwise tells the user why the file
    // `fileName` was not written, and gives nothing.
    std::optional<std::uint64_t> readQuantity(const QString& fileName,
                                              const QString& quantityText) const;
    // Tells the user that `fileName` was not written, and why.
    void showProblem(const QString& fileName, const std::string& reason) const;

    // Writes `quantity` numbered passwords into `fileName`, returning when the file is written
    // (true), the run failed, or stop() was asked for meanwhile.
    bool run(const QString& fileName, std::uint64_t quantity, const PasswordAppender& password);
    bool isRunning() const { return running_; }
    // Ends the run at its next progress report; the old file stays as it was, except for a file
    // written in place: that is left incomplete, and the message says so.
    void stop() { stopAsked_ = true; }

private:
    QWidget* window_;
    QPushButton* button_;
    QProgressBar* bar_;
    BatchServices services_;
    bool running_ = false;
    bool stopAsked_ = false;
};

} // namespace quentara
