#pragma once

#include <string>

namespace tubeline {

// The standard 16-colour palette the graph is drawn in, on the desktop, in its bitmap and on the
// page, by number.
inline constexpr int kPaletteColourCount = 16;
inline constexpr int kBlack = 0;
inline constexpr int kGrey = 8;
inline constexpr int kWhite = 15;

struct PaletteRgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};
PaletteRgb PaletteColourRgb(int number);
// "#rrggbb", as a web page names it.
std::string PaletteColourHex(int number);

// The palette number of each AngleIndex's curve (-10 degrees first), also its legend mark's.
int AngleCurveColour(int angleIndex);

}  // namespace tubeline
