// SPDX-License-Identifier: GPL-3.0-or-later
// The username composer with the real boundary finder. The input is the first name, a line
// feed and the last name. The username is valid UTF-8, begins with a prefix of each name that
// ends between two characters (never inside a code point, never inside a flag's pair of
// regional indicators; a name that is not empty gives at least one character) and ends in
// two digits.
#include "generators/username.h"

#include "app/grapheme_boundaries.h"
#include "fuzz_check.h"
#include "support/scripted_random.h"
#include "utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace quentara;
using namespace quentara::fuzz;

namespace {

// Whether `prefix`, a beginning of `name`, ends between two whole characters.
bool endsBetweenCharacters(std::string_view name, std::string_view prefix) {
    const auto before = decodeUtf8(prefix);
    const auto after = decodeUtf8(name.substr(prefix.size()));
    if (!before || !after)
        return false; // cut inside a code point
    std::size_t indicators = 0;
    for (auto point = before->rbegin(); point != before->rend() && isRegionalIndicator(*point);
         ++point)
        ++indicators;
    const bool splitsAFlag =
        indicators % 2 == 1 && !after->empty() && isRegionalIndicator(after->front());
    return !splitsAFlag && (name.empty() || !prefix.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t feed = input.find('\n');
    const std::string_view first = input.substr(0, feed);
    const std::string_view last = feed == std::string_view::npos ? "" : input.substr(feed + 1);
    if (!decodeUtf8(first) || !decodeUtf8(last))
        return 0; // a name box holds valid text only

    ScriptedRandom digits({0.0f, 1.0f - 0x1p-24f});
    const std::string name = composeUsername(first, last, GraphemeBoundaries(), digits);
    require(decodeUtf8(name).has_value(), "the username is valid UTF-8");
    require(name.size() >= 2 && name.substr(name.size() - 2) == "09",
            "two drawn digits at the end");
    const std::string_view names = std::string_view(name).substr(0, name.size() - 2);
    bool found = false; // some split into a prefix of each name, each ending between characters
    for (std::size_t cut = 0; cut <= names.size() && cut <= first.size() && !found; ++cut) {
        const std::string_view lastPart = names.substr(cut);
        found = first.substr(0, cut) == names.substr(0, cut) &&
                last.substr(0, lastPart.size()) == lastPart &&
                endsBetweenCharacters(first, names.substr(0, cut)) &&
                endsBetweenCharacters(last, lastPart);
    }
    require(found, "a whole-character prefix of each name");
    return 0;
}
