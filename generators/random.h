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

// The 24-bit draw k that the three bytes at `bytes` give, least significant first.
inline std::uint32_t drawBits(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16;
}

// DrawCode(span, base) for the draw k * 2^-24, in integers: k * span < 2^53, so the double
// product is exact and its integer part is the top bits of k * span.
inline int drawCodeFromBits(std::uint32_t k, int span, int base) {
    return base + static_cast<int>((std::uint64_t{k} * static_cast<std::uint32_t>(span)) >> 24);
}

// The next `draws` draws of the sequence as 3 bytes each, taken at once; nullptr (and nothing
// taken) when the buffer holds fewer or a script is active: then draw one by one.
inline const unsigned char* takeDrawBytes(std::size_t draws) {
    random_detail::PendingBytes& bytes = random_detail::pending;
    const unsigned char* const taken = bytes.next;
    if (static_cast<std::size_t>(bytes.end - taken) < 3 * draws)
        return nullptr;
    bytes.next += 3 * draws;
    return taken;
}

// The next value of the shared sequence: k * 2^-24 for a uniform 24-bit k, so 0 <= r < 1.
inline float NextRandom() {
    random_detail::PendingBytes& bytes = random_detail::pending;
    if (bytes.next != bytes.end) {
        const std::uint32_t k = drawBits(bytes.next);
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
