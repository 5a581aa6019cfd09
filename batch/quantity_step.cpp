// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/quantity_step.h"

#include "generators/number_text.h"
#include "widgets/locale_numbers.h"

namespace quentara {

std::optional<QString> steppedQuantityText(const QString& text, double amount) {
    const std::optional<std::string> stepped =
        steppedQuantity(text.toStdString(), amount, localeNumberMarks().decimal);
    if (!stepped)
        return std::nullopt;
    return QString::fromStdString(*stepped);
}

} // namespace quentara
