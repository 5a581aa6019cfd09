// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/file_attributes_posix.h"

#include "batch/c_library_files.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <sys/xattr.h>
#include <vector>

namespace quentara {
namespace {

bool noAttributesHere(int error) {
    return error == ENOTSUP || error == ENOSYS;
}

std::error_code listNames(int fd, std::vector<std::string>& names) {
    names.clear();
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0)
            return noAttributesHere(errno) ? std::error_code() : lastError();
        std::string list(static_cast<std::size_t>(size), '\0');
        const ssize_t got = size == 0 ? 0 : ::flistxattr(fd, list.data(), list.size());
        if (got < 0) {
            if (errno == ERANGE) // the list grew meanwhile
                continue;
            return lastError();
        }
        list.resize(static_cast<std::size_t>(got));
        for (std::size_t start = 0; start < list.size();) {
            const std::size_t end = list.find('\0', start);
            names.push_back(list.substr(start, end - start));
            start = end == std::string::npos ? list.size() : end + 1;
        }
        return {};
    }
}

// `present` is false when the file has no such attribute.
std::error_code readValue(int fd, const std::string& name, std::string& value, bool& present) {
    present = false;
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0)
            return errno == ENODATA || noAttributesHere(errno) ? std::error_code() : lastError();
        value.assign(static_cast<std::size_t>(size), '\0');
        const ssize_t got =
            size == 0 ? 0 : ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got < 0) {
            if (errno == ERANGE)
                continue;
            return errno == ENODATA ? std::error_code() : lastError();
        }
        value.resize(static_cast<std::size_t>(got));
        present = true;
        return {};
    }
}

} // namespace

std::error_code copyExtendedAttributes(int from, int to) {
    std::vector<std::string> wanted;
    std::vector<std::string> had;
    if (std::error_code error = listNames(from, wanted); error || (error = listNames(to, had)))
        return error;
    for (const std::string& name : wanted) {
        std::string value;
        std::string current;
        bool present = false;
        bool currentPresent = false;
        if (std::error_code error = readValue(from, name, value, present);
            error || (error = readValue(to, name, current, currentPresent)))
            return error;
        // A label the system gave the new file already is not set again: that may need a
        // privilege that setting a different one needs.
        if (!present || (currentPresent && current == value))
            continue;
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0)
            return lastError();
    }
    for (const std::string& name : had) { // inherited from the folder, say
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(to, name.c_str()) != 0)
            return lastError();
    }
    return {};
}

} // namespace quentara
