// SPDX-License-Identifier: GPL-3.0-or-later
// Draw values for scripted random sequences.
#pragma once

namespace quentara {

// The largest value a draw can take: 1 - 2^-24. It picks the last item of any span.
inline constexpr float largestDraw = 1.0f - 0x1p-24f;

} // namespace quentara
