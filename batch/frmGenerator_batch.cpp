// The File Generator tab's handlers: the batch run, the quantity spinner, the file chooser.
#include "app/frmGenerator.h"
#include "app/message_box.h"
#include "batch/bar_scale.h"
#include "batch/batch_messages.h"
#include "batch/beep.h"
#include "batch/file_chooser.h"
#include "batch/input_blocker.h"
#include "batch/number_text.h"
#include "batch/path_text.h"
#include "batch/quantity_text.h"
#include "generators/length_text.h"
#include "generators/password_composer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace quentara {

void frmGenerator::showBatchProblem(const QString& fileName, const std::string& reason) {
    services_.messages->show(
        this, QString::fromStdString(BatchNotWrittenMessage(fileName.toStdString(), reason)),
        MessageIcon::warning);
}

// The File tab's password maker, from its length box and ticks. The length is read once,
// before anything touches the disk: the window takes no input while the run lasts.
std::optional<PasswordAppender> frmGenerator::FilePassword(const QString& fileName) {
    const std::string lengthText = Combo1->currentText().toStdString();
    const LengthReading reading = ReadLengthText(lengthText);
    if (reading.problem != LengthProblem::none) {
        showBatchProblem(fileName, LengthProblemMessage(reading.problem, lengthText));
        return std::nullopt;
    }
    const ClassTicks ticks{check2->isChecked(), Check1->isChecked(), check4->isChecked(),
                           Check3->isChecked()};
    return [length = reading.length, ticks](std::string& line) {
        AppendPassword(line, length, ticks);
    };
}

void frmGenerator::cmdGenerateFile_Click() {
    const QString fileName = txtFilename->text();
    const std::string quantityText = txtQuantity->text().toStdString();
    const QuantityReading quantity = ReadQuantityText(quantityText);
    if (quantity.problem != QuantityProblem::none) {
        showBatchProblem(fileName, QuantityProblemText(quantity.problem, quantityText));
        return;
    }
    const std::optional<PasswordAppender> password = FilePassword(fileName);
    if (!password)
        return;

    const BarScale scale = BarScale::forQuantity(quantity.quantity);
    cmdGenerateFile->hide();
    prgPrint->setMaximum(scale.maximum); // a position above it from the last run is reset
    prgPrint->show();
    batchRunning_ = true;
    closeAfterBatch_ = false;
    BatchOutcome::Status status = BatchOutcome::Status::failed;
    std::string reason; // why the file was not written
    {
        const InputBlocker blocker;
        // The bar is brought up to date at a bounded rate, and only then do window events
        // (repaints, a close request) get their turn.
        ProgressPacer pacer(quantity.quantity, [&](std::uint64_t line) {
            prgPrint->setValue(scale.position(line));
            QCoreApplication::processEvents();
            return !closeAfterBatch_;
        });
        try {
            const BatchOutcome outcome = WriteBatchFile(
                *services_.batchFiles, PathFromText(fileName), quantity.quantity, *password, pacer);
            status = outcome.status;
            reason = FileFailureText(outcome.failure);
        } catch (const std::exception& error) { // the new file has been dropped already
            reason = std::string("Writing failed (") + error.what() + ").";
        }
    }
    batchRunning_ = false;
    prgPrint->hide();
    cmdGenerateFile->show();

    if (status == BatchOutcome::Status::written)
        services_.beep->beep();
    else if (status == BatchOutcome::Status::failed)
        showBatchProblem(fileName, reason);
    if (closeAfterBatch_)
        close();
}

void frmGenerator::stepQuantity(double amount) {
    // Fractions are written with the user's decimal mark, as the quantity box shows them.
    const QString mark = QLocale().decimalPoint();
    const char decimalMark = mark.size() == 1 && mark.at(0).unicode() < 128
                                 ? static_cast<char>(mark.at(0).unicode())
                                 : '.';
    const std::optional<std::string> stepped =
        SteppedQuantity(txtQuantity->text().toStdString(), amount, decimalMark);
    if (stepped) // a number beyond a double's range is left as typed
        txtQuantity->setText(QString::fromStdString(*stepped));
}

void frmGenerator::SpinButton1_SpinUp() {
    stepQuantity(+10);
}

void frmGenerator::SpinButton1_SpinDown() {
    stepQuantity(-10);
}

void frmGenerator::SpinButton1_KeyDown(int, Qt::KeyboardModifiers) {
    stepQuantity(-10);
}

void frmGenerator::SpinButton1_KeyUp(int, Qt::KeyboardModifiers) {
    stepQuantity(+10);
}

void frmGenerator::cmdbrows_Click() {
    const std::optional<QString> chosen =
        services_.fileChooser->chooseFile(this, BatchFileChoice());
    if (chosen && chosen->size() <= maxChosenPathLength)
        txtFilename->setText(*chosen);
}

} // namespace quentara
