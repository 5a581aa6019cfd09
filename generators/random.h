// SPDX-License-Identifier: GPL-3.0-or-later
// The one random sequence that every draw of the program comes from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quentara {

// Prepares the process-wide secure generator from fresh operating-system entropy.
// Returns false when the operating system's secure source cannot be used; the
// program must then stop rather than draw from anything weaker.
bool startSecureRandom();

namespace random_detail {
// The unread bytes of the secure generator's buffer, read inline: a batch file draws tens
// of millions of values. Empty while a ScriptedRandom is active, so draws reach the script.
struct PendingBytes {
    const unsigned char* next = nullptr;
    const unsigned char* end = nullptr;
};
extern PendingBytes pending;
// A value from the active script, or from a refilled buffer.
float nextFromScriptOrRefill();
} // namespace random_detail

// The next value of the shared sequence: k * 2^-24 for a uniform 24-bit k, so 0 <= r < 1.
inline float NextRandom() {
    random_detail::PendingBytes& bytes = random_detail::pending;
    if (bytes.next != bytes.end) {
        const std::uint32_t k = std::uint32_t{bytes.next[0]} | std::uint32_t{bytes.next[1]} << 8 |
                                std::uint32_t{bytes.next[2]} << 16;
        bytes.next += 3;
        return static_cast<float>(k) * 0x1p-24f; // exact: 24 bits fit a float's mantissa
    }
    return random_detail::nextFromScriptOrRefill();
}

// The integer part of r * span + base for one NextRandom() value r, formed in double
// precision: for r = 1 - 2^-24 a float sum would round up to base + span.
inline int DrawCode(int span, int base) {
    const double r = NextRandom();
    return static_cast<int>(r * span + base);
}

// The one-character string of an ASCII code.
std::string CharFromCode(int code);

// Replaces the shared sequence with fixed values for as long as it lives (tests only).
// Drawing past the end of the script is a fault in the test and throws std::logic_error.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<float> values);
    ~ScriptedRandom();
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    float next();
    std::size_t consumed() const { return position_; }
    std::size_t remaining() const { return values_.size() - position_; }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
    ScriptedRandom* previous_;
};

} // namespace quentara
