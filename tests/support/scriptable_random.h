// SPDX-License-Identifier: GPL-3.0-or-later
// The random source of a window under test: secure draws, or a script loaded after the window
// was made with it.
#pragma once

#include "generators/secure_random.h"
#include "support/scripted_random.h"

#include <utility>
#include <vector>

namespace quentara {

// Draws from the loaded script while there is one, and from the secure source otherwise.
class ScriptableRandom final : public SecureRandom {
public:
    // Loading drops the secure bytes not yet drawn, so that every draw reaches the script.
    void load(ScriptedRandom* script) {
        script_ = script;
        serveBytes(nullptr, nullptr);
    }

protected:
    float refill() override {
        return script_ != nullptr ? script_->NextRandom() : SecureRandom::refill();
    }

private:
    ScriptedRandom* script_ = nullptr;
};

// A script that `source` serves for as long as it lives.
class LoadedScript final : public ScriptedRandom {
public:
    LoadedScript(ScriptableRandom& source, std::vector<float> values)
        : ScriptedRandom(std::move(values)), source_(source) {
        source_.load(this);
    }
    ~LoadedScript() override { source_.load(nullptr); }

private:
    ScriptableRandom& source_;
};

} // namespace quentara
