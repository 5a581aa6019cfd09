// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a fuzz target reports a broken property: say which, and abort, so libFuzzer
// keeps the input as a finding.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace quentara::fuzz {

inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s\n", property);
    std::abort();
}

} // namespace quentara::fuzz
