// SPDX-License-Identifier: GPL-3.0-or-later
// One step of the quantity spinner, as the quantity box shows it.
#pragma once

#include <QString>
#include <optional>

namespace quentara {

// `text` after a step of `amount`, a fraction written with the user's decimal mark; nothing
// when the text's leading number is beyond a double, so the box keeps what was typed.
std::optional<QString> steppedQuantityText(const QString& text, double amount);

} // namespace quentara
