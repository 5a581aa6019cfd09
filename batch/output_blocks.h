// SPDX-License-Identifier: GPL-3.0-or-later
// Output gathered into large blocks: one write per quarter megabyte instead of one per line.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quentara {

class OutputBlocks {
public:
    // Writes one block; false when it failed, which ends the output.
    using Write = std::function<bool(std::string_view block)>;

    static constexpr std::size_t blockSize = 1 << 18; // written when the buffer reaches it

    explicit OutputBlocks(Write write) : write_(std::move(write)) {
        buffer_.reserve(blockSize + (1 << 16));
    }

    // Where the next lines are appended.
    std::string& buffer() { return buffer_; }

    // Writes the buffer once it holds a block. False: the write failed.
    bool writeWhenFull() { return buffer_.size() < blockSize || writeAll(); }

    // Writes what the buffer holds. False: the write failed.
    bool writeAll() {
        const bool written = buffer_.empty() || write_(buffer_);
        buffer_.clear();
        return written;
    }

private:
    Write write_;
    std::string buffer_;
};

} // namespace quentara
