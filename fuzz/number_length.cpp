// SPDX-License-Identifier: GPL-3.0-or-later
// The length conversion: a text is refused as no number exactly when it is not a plain decimal
// number; an accepted length (or one refused as too long) is the text's value rounded to the
// nearest integer, halves to the even one, and in range.
#include "exact_decimal.h"
#include "fuzz_check.h"
#include "generators/number_length.h"

#include <cstdint>
#include <string>

using namespace quentara;
using namespace quentara::fuzz;

namespace {

// The exact value (2k + 1) / 2.
ExactDecimal halfOf(std::int64_t odd) {
    const std::int64_t magnitude = odd < 0 ? -odd : odd;
    return exactOf((odd < 0 ? "-" : "") + std::to_string(magnitude / 2) + ".5");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const LengthReading reading = readLengthText(text);
    const std::optional<ExactDecimal> exact = readExactDecimal(text, false);
    // A comma groups digits in the default marks: such a text is refused in words of its own.
    const bool refused =
        reading.problem == LengthProblem::notANumber || reading.problem == LengthProblem::grouped;
    require(refused == !exact.has_value(),
            "refused as no number exactly when the text is no plain decimal number");
    if (!exact)
        return 0;
    if (reading.problem == LengthProblem::outOfRange) {
        require(compareExact(*exact, exactOf("2147483647.5")) >= 0 ||
                    compareExact(*exact, exactOf("-2147483648.5")) < 0,
                "a length out of range rounds outside 32 bits");
        return 0;
    }
    const std::int64_t length = reading.value;
    require(reading.problem == (length > 1'000'000 ? LengthProblem::tooLong : LengthProblem::none),
            "an accepted length is at most 1000000, a longer one is refused as too long");
    const int belowLower = compareExact(*exact, halfOf(2 * length - 1));
    const int aboveUpper = compareExact(*exact, halfOf(2 * length + 1));
    require(belowLower >= 0 && aboveUpper <= 0, "the length is the text's value rounded");
    require((belowLower != 0 && aboveUpper != 0) || length % 2 == 0,
            "a value halfway between two lengths goes to the even one");
    return 0;
}
