// SPDX-License-Identifier: GPL-3.0-or-later
// Where the draws come from: every generator takes its random source as a parameter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quentara {

// The 24-bit draw k that the three bytes at `bytes` give, least significant first.
inline std::uint32_t drawBits(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16;
}

// DrawCode(span, base) for the draw k * 2^-24, in integers: k * span < 2^53, so the double
// product is exact and its integer part is the top bits of k * span.
inline int drawCodeFromBits(std::uint32_t k, int span, int base) {
    return base + static_cast<int>((std::uint64_t{k} * static_cast<std::uint32_t>(span)) >> 24);
}

// A sequence of values 0 <= r < 1. Most are read inline from a buffer of bytes, three a draw:
// a batch file draws tens of millions. Only when the buffer is empty does a draw go through
// the virtual refill, which gives the value and may hand over new bytes.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;

    // The next value: from the buffer, k * 2^-24 for a uniform 24-bit k.
    float NextRandom() {
        if (next_ != end_) {
            const std::uint32_t k = drawBits(next_);
            next_ += 3;
            return static_cast<float>(k) * 0x1p-24f; // exact: 24 bits fit a float's mantissa
        }
        return refill();
    }

    // The integer part of r * span + base for one NextRandom() value r, formed in double
    // precision: for r = 1 - 2^-24 a float sum would round up to base + span.
    int DrawCode(int span, int base) {
        const double r = NextRandom();
        return static_cast<int>(r * span + base);
    }

    // The next `draws` draws as 3 bytes each, taken at once; nullptr (and nothing taken) when
    // the buffer holds fewer: then draw one by one.
    const unsigned char* takeDrawBytes(std::size_t draws) {
        const unsigned char* const taken = next_;
        if (static_cast<std::size_t>(end_ - taken) < 3 * draws)
            return nullptr;
        next_ = taken + 3 * draws;
        return taken;
    }

protected:
    RandomSource() = default;

    // The next value once the buffer is empty; new bytes, if any, come through serveBytes.
    virtual float refill() = 0;

    // The draws after this one come from [begin, end), three bytes each.
    void serveBytes(const unsigned char* begin, const unsigned char* end) {
        next_ = begin;
        end_ = end;
    }

private:
    const unsigned char* next_ = nullptr;
    const unsigned char* end_ = nullptr;
};

// The one-character string of an ASCII code.
inline std::string CharFromCode(int code) {
    return std::string(1, static_cast<char>(code));
}

} // namespace quentara
