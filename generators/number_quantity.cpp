// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_quantity.h"

#include <optional>

namespace quentara {

QuantityReading readQuantityText(std::string_view text, NumberMarks marks) {
    const auto [number, problem] = readTypedNumber<QuantityProblem>(text, marks);
    if (problem != QuantityProblem::none)
        return {0, problem};
    if (number.isZero())
        return {0, QuantityProblem::tooSmall}; // zero, however written
    if (number.trailingPower() < 0)
        return {0, QuantityProblem::notWhole};
    if (number.negative)
        return {0, QuantityProblem::tooSmall};
    const std::optional<std::uint64_t> whole = number.wholePart();
    if (!whole || *whole > maxBatchQuantity)
        return {0, QuantityProblem::tooLarge};
    return {*whole, QuantityProblem::none};
}

std::string quantityProblemMessage(QuantityProblem problem, std::string_view text,
                                   NumberMarks marks, const NumberWords& words) {
    const std::string what = namedNumber(words.name, text);
    std::string why;
    switch (problem) {
    case QuantityProblem::none:
        return {};
    case QuantityProblem::notANumber:
        why = notANumberReason(words.name, text);
        break;
    case QuantityProblem::grouped:
        why = groupedReason(words.name, text, marks);
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
    return why + wholeNumberHint(words, 1, maxBatchQuantity);
}

} // namespace quentara
