#pragma once

#include <QColor>

namespace tubeline {

// The standard 16-colour palette by number, as the curves, the frame and the legend use it.
QColor PaletteColour(int number);

inline constexpr int kBlack = 0;
inline constexpr int kGrey = 8;
inline constexpr int kWhite = 15;

}  // namespace tubeline
