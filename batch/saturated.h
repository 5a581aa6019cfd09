// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes that stop at the largest value instead of wrapping round: a size past what a file can
// hold must still read as too large.
#pragma once

#include <cstdint>
#include <limits>

namespace quentara {

inline constexpr std::uintmax_t largestSize = std::numeric_limits<std::uintmax_t>::max();

constexpr std::uintmax_t saturatedSum(std::uintmax_t a, std::uintmax_t b) {
    return a > largestSize - b ? largestSize : a + b;
}

constexpr std::uintmax_t saturatedProduct(std::uintmax_t a, std::uintmax_t b) {
    return b != 0 && a > largestSize / b ? largestSize : a * b;
}

} // namespace quentara
