// SPDX-License-Identifier: GPL-3.0-or-later
// Names the rows of test tables, so a failure says which row failed.
#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>

namespace quentara {

// A row named by its `name` field.
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return std::string(row.param.name);
    }
};

// A row named by the text it feeds in, spelled so a test name can hold it: "4 Bits" is
// "4_Bits", "-2.5" is "minus2dot5", "" is "empty".
inline std::string textRowName(std::string_view text) {
    if (text.empty())
        return "empty";
    std::string name;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            name += c;
        else if (c == ' ')
            name += '_';
        else if (c == '\t')
            name += "tab";
        else if (c == '\n')
            name += "newline";
        else if (c == '.')
            name += "dot";
        else if (c == '-')
            name += "minus";
        else if (c == '+')
            name += "plus";
        else if (c == ',')
            name += "comma";
        else
            name.append(1, 'x').append(std::to_string(static_cast<unsigned char>(c)));
    }
    return name;
}

namespace {

// A row prints as its name, in failure messages too. In the unnamed namespace, as the test files'
// rows are, so that the test framework's lookup finds it beside them.
template <typename Row>
requires requires(const Row& row, std::ostream& out) {
    out << row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

} // namespace

} // namespace quentara
