// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/random.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sodium.h>
#include <stdexcept>

namespace quentara {
namespace random_detail {
PendingBytes pending;
} // namespace random_detail

namespace {

// A ChaCha20 stream keyed afresh from the operating system at every refill: one system
// call per 21,846 draws instead of one per draw, which the batch file's speed depends on.
// NextRandom reads the buffer inline through random_detail::pending; while a script is
// active the unread position is parked here instead.
class SecureGenerator {
public:
    bool start() {
        if (started_)
            return true;
        if (sodium_init() < 0)
            return false;
        started_ = true;
        refill();
        return true;
    }

    float next() {
        if (!start()) {
            std::fputs("Quentara: the operating system's secure random source is unavailable.\n",
                       stderr);
            std::abort();
        }
        if (random_detail::pending.next == random_detail::pending.end)
            refill();
        return NextRandom();
    }

    void park() {
        parked_ = random_detail::pending.next;
        random_detail::pending = {};
        isParked_ = true;
    }

    void unpark() {
        isParked_ = false;
        if (parked_ != nullptr)
            random_detail::pending = {parked_, buffer_.data() + buffer_.size()};
    }

private:
    void refill() {
        std::array<unsigned char, randombytes_SEEDBYTES> seed;
        randombytes_buf(seed.data(), seed.size());
        randombytes_buf_deterministic(buffer_.data(), buffer_.size(), seed.data());
        sodium_memzero(seed.data(), seed.size());
        if (isParked_)
            parked_ = buffer_.data();
        else
            random_detail::pending = {buffer_.data(), buffer_.data() + buffer_.size()};
    }

    static constexpr std::size_t bufferSize = 3 * 21846; // at least 64 KiB, whole draws only
    std::array<unsigned char, bufferSize> buffer_{};
    const unsigned char* parked_ = nullptr;
    bool isParked_ = false;
    bool started_ = false;
};

SecureGenerator& secureGenerator() {
    static SecureGenerator generator;
    return generator;
}

ScriptedRandom* activeScript = nullptr;

} // namespace

namespace random_detail {
float nextFromScriptOrRefill() {
    if (activeScript != nullptr)
        return activeScript->next();
    return secureGenerator().next();
}
} // namespace random_detail

bool startSecureRandom() {
    return secureGenerator().start();
}

std::string CharFromCode(int code) {
    return std::string(1, static_cast<char>(code));
}

ScriptedRandom::ScriptedRandom(std::vector<float> values)
    : values_(std::move(values)), previous_(activeScript) {
    if (previous_ == nullptr)
        secureGenerator().park();
    activeScript = this;
}

ScriptedRandom::~ScriptedRandom() {
    activeScript = previous_;
    if (previous_ == nullptr)
        secureGenerator().unpark();
}

float ScriptedRandom::next() {
    if (position_ == values_.size())
        throw std::logic_error("scripted random sequence exhausted");
    return values_[position_++];
}

} // namespace quentara
