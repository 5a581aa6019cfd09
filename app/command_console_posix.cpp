// SPDX-License-Identifier: GPL-3.0-or-later
// Arguments are bytes in the locale's encoding, and the program has its terminal already.
#include "app/command_console.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <unistd.h>

namespace quentara {

void useStartingConsole() {}

std::vector<std::string> programArguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path pathFromArgument(const std::string& argument) {
    return std::filesystem::path(argument); // the bytes as given
}

std::string utf8FromArgument(const std::string& argument) {
    // A leading U+FEFF stays, as it does in the window's name boxes.
    QStringDecoder toUtf16(QStringDecoder::System, QStringDecoder::Flag::Stateless |
                                                       QStringDecoder::Flag::ConvertInitialBom);
    return QString(
               toUtf16(QByteArrayView(argument.data(), static_cast<qsizetype>(argument.size()))))
        .toStdString();
}

bool isTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

} // namespace quentara
