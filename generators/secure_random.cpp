// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/secure_random.h"

#include "generators/signal_free_thread.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sodium.h>
#include <system_error>

namespace quentara {

namespace {

void fillFromNewKey(unsigned char* buffer, std::size_t size) {
    std::array<unsigned char, randombytes_SEEDBYTES> seed;
    randombytes_buf(seed.data(), seed.size());
    randombytes_buf_deterministic(buffer, size, seed.data());
    sodium_memzero(seed.data(), seed.size());
}

} // namespace

bool startSecureRandom() {
    static const bool started = sodium_init() >= 0;
    return started;
}

// Not zeroed: every byte is written before it is read, and pages not yet touched cost nothing.
SecureRandom::SecureRandom()
    : drawn_(std::make_unique_for_overwrite<unsigned char[]>(bufferSize)),
      spare_(std::make_unique_for_overwrite<unsigned char[]>(bufferSize)) {}

SecureRandom::~SecureRandom() {
    if (helper_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        spareTaken_.notify_one();
        helper_.join();
    }
    sodium_memzero(drawn_.get(), bufferSize);
    sodium_memzero(spare_.get(), bufferSize);
}

void SecureRandom::makeSpares() {
    std::unique_lock lock(mutex_);
    for (;;) {
        spareTaken_.wait(lock, [this] { return stopping_ || !spareReady_; });
        if (stopping_)
            return;
        unsigned char* const spare = spare_.get();
        lock.unlock();
        fillFromNewKey(spare, bufferSize);
        lock.lock();
        spareReady_ = true;
    }
}

float SecureRandom::refill() {
    if (!startSecureRandom()) {
        std::fputs("Quentara: the operating system's secure random source is unavailable.\n",
                   stderr);
        std::abort();
    }
    if (!helperTried_) {
        helperTried_ = true;
        try {
            helper_ = startSignalFreeThread("quentara-keys", [this] { makeSpares(); });
        } catch (const std::system_error&) {
            // No thread to be had (a process limit): every buffer is made here instead.
        }
    }
    bool swapped = false;
    {
        const std::lock_guard lock(mutex_);
        if (spareReady_) {
            drawn_.swap(spare_);
            spareReady_ = false;
            swapped = true;
        }
    }
    if (swapped)
        spareTaken_.notify_one();
    else
        fillFromNewKey(drawn_.get(), bufferSize); // never waits for the helper
    serveBytes(drawn_.get(), drawn_.get() + bufferSize);
    return NextRandom();
}

} // namespace quentara
