// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialog_history.h"

namespace quentara {

void keepNoDialogHistory() {
    // Here Qt keeps the history in the registry (HKEY_CURRENT_USER\Software\QtProject), which
    // it cannot be pointed away from; the system's own file dialog, which the program shows
    // here, keeps its recent folders there too.
}

} // namespace quentara
