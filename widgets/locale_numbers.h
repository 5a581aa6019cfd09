// SPDX-License-Identifier: GPL-3.0-or-later
// How the user's locale writes numbers, for the boxes that read and write them.
#pragma once

#include "generators/number_scan.h"

namespace quentara {

// The default locale's decimal mark and group separator; "." and "," where the locale's
// decimal mark is no single ASCII character, and no separator where its separator is none.
NumberMarks localeNumberMarks();

} // namespace quentara
