#include "generators/password_composer.h"
#include "generators/random.h"

#include <cstdio>

int main() {
    if (!quentara::StartSecureRandom())
        return 1;
    std::puts(quentara::ComposePassword(16, {true, true, true, true}).c_str());
    return 0;
}
