// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_options.h"

#include <algorithm>
#include <iterator>

namespace quentara {
namespace {

// How Qt takes an option's value.
enum class Value {
    none,         // -reverse
    next,         // -platform offscreen
    nextOrEquals, // -style Fusion, -style=Fusion
    equalsOnly,   // -qmljsdebugger=port:1234
};

struct WindowOption {
    std::string_view name; // without its dash
    Value value;
};

// The options that Qt 6.4's QGuiApplication, QApplication and X11 platform read, in the forms
// they read them; any other form (-platform=offscreen) Qt would silently pass over.
constexpr WindowOption windowOptions[] = {
    {"platform", Value::next},
    {"platformpluginpath", Value::next},
    {"platformtheme", Value::next},
    {"plugin", Value::next},
    {"qmljsdebugger", Value::equalsOnly},
    {"qwindowgeometry", Value::next},
    {"qwindowicon", Value::next},
    {"qwindowtitle", Value::next},
    {"reverse", Value::none},
    {"session", Value::nextOrEquals},
    {"style", Value::nextOrEquals},
    {"stylesheet", Value::nextOrEquals},
    {"widgetcount", Value::none},
    // X11
    {"display", Value::next},
    {"geometry", Value::next},
    {"icon", Value::next},
    {"name", Value::next},
    {"title", Value::next},
    {"visual", Value::next},
};

// Qt reads "--platform" as "-platform".
std::string_view withoutDashes(std::string_view argument) {
    if (argument.starts_with("--"))
        return argument.substr(2);
    if (argument.starts_with("-"))
        return argument.substr(1);
    return {};
}

const WindowOption* findOption(std::string_view name) {
    const auto found =
        std::find_if(std::begin(windowOptions), std::end(windowOptions),
                     [name](const WindowOption& option) { return option.name == name; });
    return found == std::end(windowOptions) ? nullptr : found;
}

// How many arguments the option at the front of `arguments` takes up: 0 when it is none of
// Qt's, or lacks its value.
std::size_t optionLength(std::span<char* const> arguments) {
    const std::string_view argument = withoutDashes(arguments.front());
    const std::size_t equals = argument.find('=');
    const WindowOption* option = findOption(argument.substr(0, equals));
    if (option == nullptr)
        return 0;
    const bool withEquals = equals != std::string_view::npos;
    switch (option->value) {
    case Value::none:
        return withEquals ? 0 : 1;
    case Value::equalsOnly:
        return withEquals ? 1 : 0;
    case Value::nextOrEquals:
        if (withEquals)
            return 1;
        [[fallthrough]];
    case Value::next:
        return !withEquals && arguments.size() >= 2 ? 2 : 0;
    }
    return 0;
}

} // namespace

std::size_t windowOptionCount(std::span<char* const> arguments) {
    std::size_t count = 0;
    while (count < arguments.size()) {
        const std::size_t length = optionLength(arguments.subspan(count));
        if (length == 0)
            break;
        count += length;
    }
    return count;
}

bool isWindowOptionWithValue(std::string_view argument) {
    const WindowOption* option = findOption(withoutDashes(argument));
    return option != nullptr &&
           (option->value == Value::next || option->value == Value::nextOrEquals);
}

} // namespace quentara
