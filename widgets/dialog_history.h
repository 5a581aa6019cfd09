// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own file dialog reads and writes its history (the folders visited, its sidebar and
// view) in the user's settings whenever it opens and closes. The program keeps no settings,
// and the folders where someone keeps password files are nobody else's business.
#pragma once

namespace quentara {

// Leaves Qt's dialogs nowhere to keep their history; call before a dialog is made.
void keepNoDialogHistory();

} // namespace quentara
