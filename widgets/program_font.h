// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace quentara {

// The program's 8.25 pt sans serif. Its classic face where installed, the platform's sans
// otherwise: at the common 9 pt default the captions no longer fit their fixed places.
QFont programFont();

} // namespace quentara
