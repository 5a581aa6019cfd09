// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace quentara {

// The program's icon at every size it is drawn for, shared by all its windows.
QIcon programIcon();

} // namespace quentara
