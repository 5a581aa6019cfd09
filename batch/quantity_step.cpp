// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/quantity_step.h"

#include "batch/number_text.h"

#include <QLocale>

namespace quentara {

std::optional<QString> steppedQuantityText(const QString& text, double amount) {
    const QString mark = QLocale().decimalPoint();
    const char decimalMark = mark.size() == 1 && mark.at(0).unicode() < 128
                                 ? static_cast<char>(mark.at(0).unicode())
                                 : '.';
    const std::optional<std::string> stepped =
        steppedQuantity(text.toStdString(), amount, decimalMark);
    if (!stepped)
        return std::nullopt;
    return QString::fromStdString(*stepped);
}

} // namespace quentara
