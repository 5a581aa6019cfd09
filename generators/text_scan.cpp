// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/text_scan.h"

#include <algorithm>

namespace quentara {

std::string quotedForMessage(std::string_view text) {
    std::size_t cut = std::min<std::size_t>(text.size(), 40);
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    std::string quoted(1, '"');
    quoted.append(text.substr(0, cut));
    if (cut < text.size())
        quoted += "...";
    quoted += '"';
    return quoted;
}

} // namespace quentara
