// SPDX-License-Identifier: GPL-3.0-or-later
// The strict quantity conversion: refused as no number exactly when the text is no decimal
// number; accepted exactly when its value is a whole number from 1 to 999999999999999, and
// then as that very number, however the text writes it.
#include "exact_decimal.h"
#include "fuzz_check.h"
#include "generators/number_quantity.h"

#include <cstdint>
#include <string>

using namespace quentara;
using namespace quentara::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const QuantityReading reading = readQuantityText(text);
    const std::optional<ExactDecimal> exact = readExactDecimal(text, true);
    // A comma groups digits in the default marks: such a text is refused in words of its own.
    const bool refused = reading.problem == QuantityProblem::notANumber ||
                         reading.problem == QuantityProblem::grouped;
    require(refused == !exact.has_value(),
            "refused as no number exactly when the text is no decimal number");
    if (!exact)
        return 0;
    const bool wholeInRange = !exact->negative && !exact->digits.empty() && exact->power >= 0 &&
                              compareExact(*exact, exactOf("999999999999999")) <= 0;
    require((reading.problem == QuantityProblem::none) == wholeInRange,
            "accepted exactly when the value is a whole number from 1 to 999999999999999");
    if (reading.problem == QuantityProblem::none)
        require(compareExact(*exact, exactOf(std::to_string(reading.value))) == 0,
                "the accepted quantity reads back as the text's value");
    return 0;
}
