// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tabs by name, numbered as the tab control counts them.
#pragma once

#include <cstdint>

namespace quentara {

// In the order the window adds its tabs: the tab control tells them apart by position only.
enum class GeneratorTab : std::int16_t { easy = 0, file = 1, username = 2, hex = 3 };

} // namespace quentara
