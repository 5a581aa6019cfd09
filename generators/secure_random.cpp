// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/secure_random.h"

#include <cstdio>
#include <cstdlib>
#include <sodium.h>

namespace quentara {

bool startSecureRandom() {
    static const bool started = sodium_init() >= 0;
    return started;
}

SecureRandom::~SecureRandom() {
    sodium_memzero(buffer_.data(), buffer_.size());
}

float SecureRandom::refill() {
    if (!startSecureRandom()) {
        std::fputs("Quentara: the operating system's secure random source is unavailable.\n",
                   stderr);
        std::abort();
    }
    std::array<unsigned char, randombytes_SEEDBYTES> seed;
    randombytes_buf(seed.data(), seed.size());
    randombytes_buf_deterministic(buffer_.data(), buffer_.size(), seed.data());
    sodium_memzero(seed.data(), seed.size());
    serveBytes(buffer_.data(), buffer_.data() + buffer_.size());
    return NextRandom();
}

} // namespace quentara
