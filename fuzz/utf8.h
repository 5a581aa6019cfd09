// SPDX-License-Identifier: GPL-3.0-or-later
// Just enough UTF-8 for the username target's checks.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quentara::fuzz {

// The code points of `text`, or nothing when it is not valid UTF-8 (overlong forms,
// surrogates and values above U+10FFFF included).
inline std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size())
            return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            point = point << 6 | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        points.push_back(point);
        i += length;
    }
    return points;
}

inline bool isRegionalIndicator(char32_t point) {
    return point >= 0x1F1E6 && point <= 0x1F1FF;
}

} // namespace quentara::fuzz
