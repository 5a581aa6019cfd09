// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed sequence of draw values, handed to the code under test as its random source.
#pragma once

#include "generators/random_source.h"

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quentara {

// Serves its values one by one, never as bytes: a value below 0.5 may have bits below 2^-24
// that no three bytes give. So takeDrawBytes finds nothing and the composer draws one at a
// time. Drawing past the end of the script is a fault in the test and throws std::logic_error.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

    std::size_t consumed() const { return position_; }
    std::size_t remaining() const { return values_.size() - position_; }

protected:
    float refill() override {
        if (position_ == values_.size())
            throw std::logic_error("scripted random sequence exhausted");
        return values_[position_++];
    }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

} // namespace quentara
