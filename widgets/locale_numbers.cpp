// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/locale_numbers.h"

#include <QLocale>

namespace quentara {
namespace {

char asciiOf(const QString& mark) {
    return mark.size() == 1 && mark.at(0).unicode() < 128 ? static_cast<char>(mark.at(0).unicode())
                                                          : char{0};
}

} // namespace

NumberMarks localeNumberMarks() {
    const QLocale locale;
    const char decimal = asciiOf(locale.decimalPoint());
    if (decimal == 0)
        return {};
    return {decimal, asciiOf(locale.groupSeparator())};
}

} // namespace quentara
