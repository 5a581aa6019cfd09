// SPDX-License-Identifier: GPL-3.0-or-later
// A progress bar holds an int, far less than maxBatchQuantity: both ends are divided alike.
#pragma once

#include <climits>
#include <cstdint>

namespace quentara {

struct BarScale {
    std::uint64_t divisor = 1;
    int maximum = 0;

    static BarScale forQuantity(std::uint64_t quantity) {
        const std::uint64_t limit = INT_MAX;
        const std::uint64_t divisor = quantity <= limit ? 1 : (quantity + limit - 1) / limit;
        return {divisor, static_cast<int>((quantity + divisor - 1) / divisor)};
    }

    // Rounded up, so the last line fills the bar exactly.
    int position(std::uint64_t line) const {
        return static_cast<int>((line + divisor - 1) / divisor);
    }
};

} // namespace quentara
