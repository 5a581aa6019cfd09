// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the program shares.
#pragma once

#include <QString>
#include <Qt>

class QWidget;

namespace quentara {

// A fixed size without a sizing border on Windows (MSWindowsFixedSizeDialogHint), and a title
// bar with a close button only.
inline constexpr Qt::WindowFlags fixedWindowFlags = Qt::MSWindowsFixedSizeDialogHint |
                                                    Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint;

// Names `window` and gives it its title and the program's icon and font.
void dressProgramWindow(QWidget* window, const char* name, const QString& title);

} // namespace quentara
