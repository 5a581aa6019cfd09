// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own command-line options, which every Qt program hands to its window: "-platform
// offscreen", "-style Fusion", "-reverse" and the like. They open the window, not a command.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace quentara {

// How many of `arguments` (those after the program's name), from the first on, are Qt's own
// options with their values.
std::size_t windowOptionCount(std::span<char* const> arguments);

// True when `argument` names one of Qt's options that takes a value as the next argument.
bool isWindowOptionWithValue(std::string_view argument);

} // namespace quentara
