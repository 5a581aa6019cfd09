// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces shared by the readers of typed numbers and their messages.
#pragma once

#include <string>
#include <string_view>

namespace quentara {

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// `text` with its control characters written out (`\x1b`, `\n`), so that a name cannot move a
// terminal's cursor or rewrite what it shows: C0 controls, DEL and, in UTF-8, the C1 controls.
std::string withControlsShown(std::string_view text);

// `text` in double quotes for a message, its control characters shown. A pasted page would make
// the message unreadable, so only its first 40 bytes are quoted, never ending inside a UTF-8
// sequence.
std::string quotedForMessage(std::string_view text);

} // namespace quentara
