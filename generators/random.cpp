#include "generators/random.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sodium.h>
#include <stdexcept>

namespace quentara {
namespace {

// A ChaCha20 stream keyed afresh from the operating system at every refill: one system
// call per 21,846 draws instead of one per draw, which the batch file's speed depends on.
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
        if (position_ == buffer_.size()) {
            if (!start()) {
                std::fputs(
                    "Quentara: the operating system's secure random source is unavailable.\n",
                    stderr);
                std::abort();
            }
            if (position_ == buffer_.size())
                refill();
        }
        const std::uint32_t k = std::uint32_t{buffer_[position_]} |
                                std::uint32_t{buffer_[position_ + 1]} << 8 |
                                std::uint32_t{buffer_[position_ + 2]} << 16;
        position_ += 3;
        return static_cast<float>(k) * 0x1p-24f; // exact: 24 bits fit a float's mantissa
    }

private:
    void refill() {
        std::array<unsigned char, randombytes_SEEDBYTES> seed;
        randombytes_buf(seed.data(), seed.size());
        randombytes_buf_deterministic(buffer_.data(), buffer_.size(), seed.data());
        sodium_memzero(seed.data(), seed.size());
        position_ = 0;
    }

    static constexpr std::size_t bufferSize = 3 * 21846; // at least 64 KiB, whole draws only
    std::array<unsigned char, bufferSize> buffer_{};
    std::size_t position_ = bufferSize;
    bool started_ = false;
};

SecureGenerator& secureGenerator() {
    static SecureGenerator generator;
    return generator;
}

ScriptedRandom* activeScript = nullptr;

} // namespace

bool StartSecureRandom() {
    return secureGenerator().start();
}

float NextRandom() {
    if (activeScript != nullptr)
        return activeScript->next();
    return secureGenerator().next();
}

int DrawCode(int span, int base) {
    const double r = NextRandom();
    return static_cast<int>(r * span + base);
}

std::string CharFromCode(int code) {
    return std::string(1, static_cast<char>(code));
}

ScriptedRandom::ScriptedRandom(std::vector<float> values)
    : values_(std::move(values)), previous_(activeScript) {
    activeScript = this;
}

ScriptedRandom::~ScriptedRandom() {
    activeScript = previous_;
}

float ScriptedRandom::next() {
    if (position_ == values_.size())
        throw std::logic_error("scripted random sequence exhausted");
    return values_[position_++];
}

} // namespace quentara
