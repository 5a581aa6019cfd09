// SPDX-License-Identifier: GPL-3.0-or-later
// The tab row of a TabControl as screen readers meet it: its tabs and nothing else. The
// toolkit's own view adds the row's two scroll buttons, which this row never shows.
#pragma once

namespace quentara {

// Takes effect for the tab row of every TabControl; once is enough, more does no harm.
void installTabBarAccessible();

} // namespace quentara
