// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/detached_launcher.h"

#include <QFile>
#include <QProcess>

namespace quentara {

bool DetachedLauncher::launch(const std::string& program) {
    // The path is the system's own bytes; the program is started by that name alone, with
    // no arguments, and is not reaped by this process.
    return QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(program)), {});
}

} // namespace quentara
