// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_run.h"

#include "batch/bar_scale.h"
#include "batch/batch_file.h"
#include "batch/batch_messages.h"
#include "batch/input_blocker.h"
#include "batch/path_text.h"
#include "generators/number_quantity.h"
#include "widgets/beep.h"
#include "widgets/locale_numbers.h"
#include "widgets/message_box.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>

namespace quentara {

BatchRun::BatchRun(QWidget* window, QPushButton* button, QProgressBar* bar, BatchServices services)
    : window_(window), button_(button), bar_(bar), services_(services) {}

std::optional<std::uint64_t> BatchRun::readQuantity(const QString& fileName,
                                                    const QString& quantityText) const {
    const std::string text = quantityText.toStdString();
    const NumberMarks marks = localeNumberMarks(); // as the spinner writes the quantity
    const QuantityReading reading = readQuantityText(text, marks);
    if (reading.problem != QuantityProblem::none) {
        showProblem(fileName, quantityProblemMessage(reading.problem, text, marks));
        return std::nullopt;
    }
    return reading.value;
}

void BatchRun::showProblem(const QString& fileName, const std::string& reason) const {
    services_.messages.show(
        window_, QString::fromStdString(batchNotWrittenMessage(fileName.toStdString(), reason)),
        MessageIcon::warning);
}

bool BatchRun::run(const QString& fileName, std::uint64_t quantity,
                   const PasswordAppender& password) {
    const BarScale scale = BarScale::forQuantity(quantity);
    // Hiding the focused button would pass the focus on to the file name box, which selects
    // its text for the next key press to replace. No control has it meanwhile; it comes back.
    const bool buttonHadFocus = button_->window()->focusWidget() == button_;
    if (buttonHadFocus)
        button_->clearFocus();
    button_->hide();
    bar_->setMaximum(scale.maximum); // a position above it from the last run is reset
    bar_->show();
    running_ = true;
    stopAsked_ = false;
    BatchOutcome::Status status = BatchOutcome::Status::failed;
    std::string problem; // the message when the file was not written
    {
        const InputBlocker blocker;
        // The bar is brought up to date at a bounded rate, and only then do window events
        // (repaints, a close request) get their turn.
        ProgressPacer pacer(quantity, [&](std::uint64_t line) {
            bar_->setValue(scale.position(line));
            QCoreApplication::processEvents();
            return !stopAsked_;
        });
        try {
            const BatchOutcome outcome =
                writeBatchFile(services_.files, pathFromText(fileName), quantity, password, pacer);
            status = outcome.status;
            problem = batchFailureMessage(fileName.toStdString(), outcome.failure);
        } catch (const std::exception& error) { // the new file has been dropped already
            problem = batchNotWrittenMessage(fileName.toStdString(),
                                             std::string("Writing failed (") + error.what() + ").");
        }
    }
    running_ = false;
    bar_->hide();
    button_->show();
    if (buttonHadFocus)
        button_->setFocus(Qt::OtherFocusReason);

    if (status == BatchOutcome::Status::written)
        services_.beep.beep();
    else if (status == BatchOutcome::Status::failed)
        services_.messages.show(window_, QString::fromStdString(problem), MessageIcon::warning);
    return status == BatchOutcome::Status::written;
}

} // namespace quentara
