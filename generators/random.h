// The one random sequence that every draw of the program comes from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quentara {

// Prepares the process-wide secure generator from fresh operating-system entropy.
// Returns false when the operating system's secure source cannot be used; the
// program must then stop rather than draw from anything weaker.
bool StartSecureRandom();

// The next value of the shared sequence: k * 2^-24 for a uniform 24-bit k, so 0 <= r < 1.
float NextRandom();

// The integer part of r * span + base for one NextRandom() value r, formed in double
// precision: for r = 1 - 2^-24 a float sum would round up to base + span.
int DrawCode(int span, int base);

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
