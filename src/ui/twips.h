#pragma once

#include <QRect>
#include <cmath>

namespace tubeline {

// Window layouts are given in twips, 1/1440 inch: 15 twips per pixel at 96 dpi. Qt scales the
// pixels for other densities.
inline constexpr double kTwipsPerPixel = 15;

inline int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

}  // namespace tubeline
