// SPDX-License-Identifier: GPL-3.0-or-later
// A file's extended attributes on Linux: its access list (system.posix_acl_access), its
// security label and the user's own attributes. A replacement that lacked them would let the
// people an access list shuts out read the new passwords.
#pragma once

#include <system_error>

namespace quentara {

// Gives the open file `to` every extended attribute of the open file `from`, and takes away
// those `from` lacks. A file system without attributes has none to copy.
std::error_code copyExtendedAttributes(int from, int to);

} // namespace quentara
