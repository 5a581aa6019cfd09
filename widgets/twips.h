// SPDX-License-Identifier: GPL-3.0-or-later
// Window and control geometry is laid out in twips, as on the program's home platform.
#pragma once

#include <QRect>

namespace quentara {

// 15 twips to a logical pixel (96 dots per inch); Qt scales logical pixels on high-DPI screens.
inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace quentara
