// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/password_composer.h"
#include "generators/secure_random.h"

#include <cstdio>

int main() {
    if (!quentara::startSecureRandom())
        return 1;
    quentara::SecureRandom random;
    std::puts(quentara::composePassword(16, {true, true, true, true}, random).c_str());
    return 0;
}
