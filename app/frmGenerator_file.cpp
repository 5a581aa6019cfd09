// SPDX-License-Identifier: GPL-3.0-or-later
// The File Generator tab's handlers: the batch run, the quantity spinner, the file chooser.
#include "app/frmGenerator.h"
#include "app/strength_note.h"
#include "batch/batch_file_choice.h"
#include "batch/batch_messages.h"
#include "batch/batch_run.h"
#include "generators/number_text.h"
#include "widgets/locale_numbers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace quentara {

// The File tab's password maker, from its length box and ticks. The length is read once,
// before anything touches the disk: the window takes no input while the run lasts.
std::optional<PasswordAppender> frmGenerator::FilePassword(const QString& fileName) {
    const ClassTicks ticks = fileClasses_.ticks();
    const std::optional<std::int32_t> length =
        readLength(Combo1, ticks, [this, &fileName](const std::string& message) {
            batchRun_->showProblem(fileName, message);
        });
    if (!length)
        return std::nullopt;
    return [chars = *length, ticks, &random = services_.random](std::string& line) {
        appendPassword(line, chars, ticks, random);
    };
}

void frmGenerator::cmdGenerateFile_Click() {
    const QString fileName = txtFilename->text();
    const std::optional<std::uint64_t> quantity =
        batchRun_->readQuantity(fileName, txtQuantity->text());
    if (!quantity)
        return;
    const std::optional<PasswordAppender> password = FilePassword(fileName);
    if (!password)
        return;
    closeAfterBatch_ = false;
    batchEndNote_.clear();
    if (batchRun_->run(fileName, *quantity, *password))
        batchEndNote_ = QString::fromStdString(batchWrittenNote(fileName.toStdString(), *quantity));
    // The beep's counterpart for assistive tools: setting the description is an event they
    // hear, also when it is the same as after the last run.
    describeBatchRun();
    if (closeAfterBatch_)
        close();
}

void frmGenerator::describeBatchRun() {
    const QString strength = batchStrengthNote(Combo1->currentText(), fileClasses_.ticks());
    cmdGenerateFile->setToolTip(strength);
    if (batchEndNote_.isEmpty() || strength.isEmpty())
        cmdGenerateFile->setAccessibleDescription(batchEndNote_ + strength);
    else
        cmdGenerateFile->setAccessibleDescription(batchEndNote_ + QLatin1Char('\n') + strength);
}

// A fraction is written with the user's decimal mark; a leading number beyond a double gives
// no step, so the box keeps what was typed.
void frmGenerator::stepQuantity(double amount) {
    const std::optional<std::string> stepped =
        steppedQuantity(txtQuantity->text().toStdString(), amount, localeNumberMarks().decimal);
    if (stepped)
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
    if (const std::optional<QString> chosen = chooseBatchFile(services_.fileChooser, this))
        txtFilename->setText(*chosen);
}

} // namespace quentara
