// SPDX-License-Identifier: GPL-3.0-or-later
// What a command line asks for, read and checked before anything is drawn or written.
#pragma once

#include "generators/password_composer.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

namespace quentara {

struct CommandRequest {
    enum class Kind { help, version, password, file, hex, username };
    Kind kind = Kind::help;
    std::int32_t length = 0;
    ClassTicks ticks{true, true, true, true};
    std::uint64_t count = 0; // passwords to print, or lines to write
    std::string fileName;    // the path as typed, for messages
    std::filesystem::path path;
    std::string bitsItem;  // "128 bits"
    std::string firstName; // UTF-8
    std::string lastName;
};

// Arguments that cannot be carried out, and the message that says why.
struct CommandRefusal {
    std::string message;
};

using CommandReading = std::variant<CommandRequest, CommandRefusal>;

} // namespace quentara
