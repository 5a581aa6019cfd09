// SPDX-License-Identifier: GPL-3.0-or-later
// The spin button as screen readers meet it: a spin box whose increase and decrease actions
// press its arrows.
#pragma once

namespace quentara {

// Makes every SpinButton known to the accessibility layer; once is enough, more does no harm.
void installSpinButtonAccessible();

} // namespace quentara
