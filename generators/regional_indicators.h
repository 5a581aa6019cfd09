// SPDX-License-Identifier: GPL-3.0-or-later
// Flags: two regional indicators (U+1F1E6..U+1F1FF) in a row make one character.
#pragma once

#include <cstddef>
#include <optional>

namespace quentara {

constexpr bool isRegionalIndicator(char32_t c) {
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

// Whether a cut just before a regional indicator falls between the two of a flag. Indicators
// pair up from the start of their run, so it does when an odd number of them stand right
// before the cut. `previous()` yields the code points before the cut one by one, nearest
// first, and nothing at the start of the text.
template <typename Previous> bool splitsAFlag(Previous previous) {
    std::size_t indicatorsBefore = 0;
    for (std::optional<char32_t> c = previous(); c && isRegionalIndicator(*c); c = previous())
        ++indicatorsBefore;
    return indicatorsBefore % 2 == 1;
}

} // namespace quentara
