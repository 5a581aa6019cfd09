// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/text_scan.h"

#include <algorithm>
#include <cstdio>

namespace quentara {

std::string withControlsShown(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        char escape[8] = {};
        if (byte == '\n')
            std::snprintf(escape, sizeof escape, "\\n");
        else if (byte == '\t')
            std::snprintf(escape, sizeof escape, "\\t");
        else if (byte == '\r')
            std::snprintf(escape, sizeof escape, "\\r");
        else if (byte < 0x20 || byte == 0x7F)
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
        else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) // U+0080 to U+009F
            std::snprintf(escape, sizeof escape, "\\u%04x", text[++i] & 0xFF);
        if (escape[0] != 0)
            shown += escape;
        else
            shown += text[i];
    }
    return shown;
}

std::string quotedForMessage(std::string_view text) {
    std::size_t cut = std::min<std::size_t>(text.size(), 40);
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    std::string quoted(1, '"');
    quoted.append(withControlsShown(text.substr(0, cut)));
    if (cut < text.size())
        quoted += "...";
    quoted += '"';
    return quoted;
}

} // namespace quentara
