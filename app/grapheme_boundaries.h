// SPDX-License-Identifier: GPL-3.0-or-later
// Character boundaries as a reader sees them (grapheme clusters), found by Qt.
#pragma once

#include "generators/username.h"

namespace quentara {

class GraphemeBoundaries final : public CharacterBoundaries {
public:
    std::size_t leadingBytes(std::string_view text, std::size_t count) const override;
};

} // namespace quentara
