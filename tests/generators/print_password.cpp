// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/password_composer.h"
#include "generators/random.h"

#include <cstdio>

int main() {
    if (!quentara::startSecureRandom())
        return 1;
    std::puts(quentara::composePassword(16, {true, true, true, true}).c_str());
    return 0;
}
