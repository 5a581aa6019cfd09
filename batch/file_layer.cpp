// SPDX-License-Identifier: GPL-3.0-or-later
// What the system's files have in common on every platform: the refusals of a target, the
// write loop.
#include "batch/file_layer.h"

#include <string>

namespace quentara {
namespace {

class TargetRefusalCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "target refusal"; }
    std::string message(int value) const override {
        switch (static_cast<TargetRefusal>(value)) {
        case TargetRefusal::othersLink:
            return "a link made by another user in a shared folder";
        case TargetRefusal::othersFile:
            return "a file of another user in a shared folder";
        case TargetRefusal::swapped:
            return "the file was replaced while it was opened";
        }
        return "refused";
    }
};

} // namespace

const std::error_category& targetRefusalCategory() {
    static const TargetRefusalCategory category;
    return category;
}

std::error_code make_error_code(TargetRefusal refusal) {
    return {static_cast<int>(refusal), targetRefusalCategory()};
}

std::error_code writeAll(const char* data, std::size_t size, std::size_t& written,
                         const WritePiece& writePiece) {
    constexpr std::size_t mostAtOnce = std::size_t{1} << 30;
    written = 0;
    while (size > 0) {
        std::size_t done = 0;
        if (const std::error_code error =
                writePiece(data, size < mostAtOnce ? size : mostAtOnce, done))
            return error;
        if (done == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        data += done;
        size -= done;
        written += done;
    }
    return {};
}

} // namespace quentara
