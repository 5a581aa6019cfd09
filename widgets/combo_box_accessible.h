// SPDX-License-Identifier: GPL-3.0-or-later
// Combo boxes as screen readers meet them, named like every other control. The toolkit's own
// view of a combo box takes its text for its name on Linux, so the length box would be spoken
// as "6" whatever its label or accessible name says.
#pragma once

namespace quentara {

// Takes effect for every combo box of the program; once is enough, more does no harm.
void installComboBoxAccessible();

} // namespace quentara
