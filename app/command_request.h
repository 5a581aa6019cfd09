// SPDX-License-Identifier: GPL-3.0-or-later
// What a command line asks for, read and checked before anything is drawn or written: one
// kind of request a command, holding what that command needs.
#pragma once

#include "generators/password_composer.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

namespace quentara {

// The length and classes of every password, as the Easy and File Generator tabs have them.
struct PasswordRule {
    std::int32_t length = 0;
    ClassTicks ticks{true, true, true, true};
};

struct HelpRequest {};
struct VersionRequest {};

struct PasswordRequest {
    PasswordRule rule;
    std::uint64_t count = 0;
};

struct FileRequest {
    std::string fileName; // the path as typed, for messages
    std::filesystem::path path;
    std::uint64_t quantity = 0;
    PasswordRule rule;
};

struct HexRequest {
    std::string bitsItem; // "128 bits"
};

struct UsernameRequest {
    std::string firstName; // UTF-8
    std::string lastName;
};

using CommandRequest = std::variant<HelpRequest, VersionRequest, PasswordRequest, FileRequest,
                                    HexRequest, UsernameRequest>;

// Arguments that cannot be carried out, and the message that says why.
struct CommandRefusal {
    std::string message;
};

using CommandReading = std::variant<CommandRequest, CommandRefusal>;

} // namespace quentara
