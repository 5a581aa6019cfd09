// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_quantity.h"

#include "generators/number_scan.h"
#include "generators/text_scan.h"

namespace quentara {

QuantityReading readQuantityText(std::string_view text, NumberMarks marks) {
    text = trimBlanks(text);
    if (groupsDigits(text, marks))
        return {0, QuantityProblem::grouped};
    const DecimalScan number = scanDecimal(text, marks.decimal);
    if (number.length == 0 || number.length != text.size())
        return {0, QuantityProblem::notANumber};
    if (number.isZero())
        return {0, QuantityProblem::tooSmall}; // zero, however written
    if (number.trailingPower() < 0)
        return {0, QuantityProblem::notWhole};
    if (number.negative)
        return {0, QuantityProblem::tooSmall};
    if (number.leadingPower() >= 15)
        return {0, QuantityProblem::tooLarge};
    std::uint64_t value = 0;
    for (std::int64_t power = number.leadingPower(); power >= 0; --power)
        value = value * 10 + static_cast<std::uint64_t>(number.digitAt(power));
    return {value, QuantityProblem::none};
}

std::string quantityProblemMessage(QuantityProblem problem, std::string_view text,
                                   NumberMarks marks, const QuantityWords& words) {
    const std::string what = "The " + std::string(words.name) + " " + quotedForMessage(text);
    std::string why;
    switch (problem) {
    case QuantityProblem::none:
        return {};
    case QuantityProblem::notANumber:
        why = text.empty() ? "No " + std::string(words.name) + " was given."
                           : what + " is not a number.";
        break;
    case QuantityProblem::grouped:
        why = what + groupedDigitsNote(marks.group);
        break;
    case QuantityProblem::notWhole:
        why = what + " is not a whole number.";
        break;
    case QuantityProblem::tooSmall:
        why = what + " is below 1.";
        break;
    case QuantityProblem::tooLarge:
        why = what + " is too large.";
        break;
    }
    return why + "\nType a whole number of " + std::string(words.counted) + " from 1 to " +
           std::to_string(maxBatchQuantity) + ", for example " + std::string(words.example) + ".";
}

} // namespace quentara
