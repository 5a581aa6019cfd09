// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random source: the operating system's secure one, through libsodium.
#pragma once

#include "generators/random_source.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>

namespace quentara {

// Prepares libsodium for the operating system's secure source. Returns false when that source
// cannot be used; the program must then stop rather than draw from anything weaker.
bool startSecureRandom();

// A ChaCha20 stream keyed afresh from the operating system for every buffer: one system call
// per 87,381 draws instead of one per draw, which the batch file's speed depends on. The key
// stream is most of a batch file's work, so a helper thread makes the next buffer while this
// one is drawn from; when it is not done yet, or cannot be started, the drawing thread makes
// its own. A draw when the operating system's source cannot be used ends the program: ask
// startSecureRandom() first to stop cleanly.
class SecureRandom : public RandomSource {
public:
    SecureRandom();
    ~SecureRandom() override;

protected:
    float refill() override;

private:
    void makeSpares();

    static constexpr std::size_t bufferSize = 3 * 87381; // whole draws, just under 256 KiB
    std::unique_ptr<unsigned char[]> drawn_;             // the buffer draws are served from
    std::unique_ptr<unsigned char[]> spare_;             // the helper's, handed over when ready

    std::mutex mutex_;
    std::condition_variable spareTaken_;
    bool spareReady_ = false; // guarded by mutex_, as are spare_ and stopping_
    bool stopping_ = false;
    bool helperTried_ = false; // the drawing thread's own
    std::thread helper_;
};

} // namespace quentara
