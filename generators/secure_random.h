// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random source: the operating system's secure one, through libsodium.
#pragma once

#include "generators/random_source.h"

#include <array>
#include <cstddef>

namespace quentara {

// Prepares libsodium for the operating system's secure source. Returns false when that source
// cannot be used; the program must then stop rather than draw from anything weaker.
bool startSecureRandom();

// A ChaCha20 stream keyed afresh from the operating system at every refill: one system call
// per 21,846 draws instead of one per draw, which the batch file's speed depends on. A draw
// when the operating system's source cannot be used ends the program: ask startSecureRandom()
// first to stop cleanly.
class SecureRandom : public RandomSource {
public:
    SecureRandom() = default;
    ~SecureRandom() override;

protected:
    float refill() override;

private:
    static constexpr std::size_t bufferSize = 3 * 21846; // at least 64 KiB, whole draws only
    std::array<unsigned char, bufferSize> buffer_{};
};

} // namespace quentara
