// SPDX-License-Identifier: GPL-3.0-or-later
// The hex generator: for one of the twelve items exactly, bits / 4 characters of 0-9 and A-F
// from exactly two draws each; for any other text an empty string and no draw.
#include "generators/hex_string.h"

#include "fuzz_check.h"
#include "support/scripted_random.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace quentara;
using namespace quentara::fuzz;

namespace {

constexpr std::pair<std::string_view, std::size_t> items[] = {
    {"4 bits", 1},      {"8 bits", 2},      {"16 bits", 4},      {"32 bits", 8},
    {"64 bits", 16},    {"128 bits", 32},   {"256 bits", 64},    {"512 bits", 128},
    {"1024 bits", 256}, {"2048 bits", 512}, {"4096 bits", 1024}, {"8192 bits", 2048}};

// Draw values with the edges of [0, 1) first, then a sequence that follows from the text.
std::vector<float> drawValues(std::size_t count, std::string_view text) {
    const float edges[] = {0.0f, 0x1p-24f, 0.5f - 0x1p-24f, 0.5f, 1.0f - 0x1p-24f};
    std::uint32_t state = 2166136261u;
    for (char c : text)
        state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    std::vector<float> values;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        values.push_back(i < std::size(edges) ? edges[i]
                                              : static_cast<float>(state >> 8) * 0x1p-24f);
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t characters = 0;
    for (const auto& [item, count] : items)
        characters = item == text ? count : characters;
    // A script of exactly two values per character: a draw beyond it throws and aborts.
    ScriptedRandom script(drawValues(2 * characters, text));
    const std::string hex = composeHexString(text, script);
    require(hex.size() == characters, "bits / 4 characters for an item, none for other texts");
    require(script.remaining() == 0, "two draws per character");
    for (char c : hex)
        require((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'), "only 0-9 and A-F");
    return 0;
}
