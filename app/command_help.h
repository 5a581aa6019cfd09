// SPDX-License-Identifier: GPL-3.0-or-later
// What the command table tells a user: the `--help` text, and the manual page's sections.
#pragma once

#include <string>

namespace quentara {

// The text `quentara --help` prints.
std::string usageText();

// The manual page's SYNOPSIS and OPTIONS sections, in roff, headings included.
std::string manualSynopsis();
std::string manualOptions();

} // namespace quentara
