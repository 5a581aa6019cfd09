// SPDX-License-Identifier: GPL-3.0-or-later
// quentara-manual TEMPLATE OUTPUT: writes the manual page, its synopsis and options taken from
// the command table, so the page lists what the program takes. Run by the build.
#include "app/command_help.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "Usage: quentara-manual TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "quentara-manual: cannot read " << argv[1] << "\n";
        return 1;
    }
    // The template marks where each generated section goes with a roff comment of its own.
    const std::string synopsisMark = ".\\\" generated: synopsis";
    const std::string optionsMark = ".\\\" generated: options";
    std::ostringstream page;
    int marks = 0;
    for (std::string line; std::getline(in, line);) {
        if (line == synopsisMark) {
            page << quentara::manualSynopsis();
            ++marks;
        } else if (line == optionsMark) {
            page << quentara::manualOptions();
            ++marks;
        } else {
            page << line << '\n';
        }
    }
    if (marks != 2) {
        std::cerr << "quentara-manual: " << argv[1] << " lacks a generated section's mark\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << page.str();
    out.close();
    if (!out) {
        std::cerr << "quentara-manual: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
