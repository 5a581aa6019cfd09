// SPDX-License-Identifier: GPL-3.0-or-later
// A path typed into a text box, as the file system expects it.
#pragma once

#include <QString>
#include <filesystem>

namespace quentara {

std::filesystem::path pathFromText(const QString& text);

} // namespace quentara
