// SPDX-License-Identifier: GPL-3.0-or-later
// The system beep, behind an interface: tests count beeps, and the offscreen platform has none.
#pragma once

namespace quentara {

class Beep {
public:
    virtual ~Beep() = default;
    virtual void beep() = 0;
};

class QtBeep final : public Beep {
public:
    void beep() override;
};

} // namespace quentara
