// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/number_reading.h"

namespace quentara {

std::string namedNumber(std::string_view name, std::string_view text) {
    return "The " + std::string(name) + " " + quotedForMessage(text);
}

std::string notANumberReason(std::string_view name, std::string_view text) {
    if (text.empty())
        return "No " + std::string(name) + " was given.";
    return namedNumber(name, text) + " is not a number.";
}

std::string groupedReason(std::string_view name, std::string_view text, NumberMarks marks) {
    return namedNumber(name, text) + " uses \"" + marks.group +
           "\", which separates groups of digits here, so it could be read as another number.";
}

std::string wholeNumberHint(const NumberWords& words, std::uint64_t lowest, std::uint64_t highest) {
    return "\nType a whole number of " + std::string(words.counted) + " from " +
           std::to_string(lowest) + " to " + std::to_string(highest) + ", for example " +
           std::string(words.example) + ".";
}

} // namespace quentara
