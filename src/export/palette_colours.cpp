#include "palette_colours.h"

#include <array>
#include <cstdio>

#include "model/energy_grid.h"

namespace tubeline {
namespace {

constexpr std::array<PaletteRgb, kPaletteColourCount> kColours = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

}  // namespace

PaletteRgb PaletteColourRgb(int number) {
    return kColours[static_cast<std::size_t>(number) % kPaletteColourCount];
}

std::string PaletteColourHex(int number) {
    const PaletteRgb colour = PaletteColourRgb(number);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.Red, colour.Green, colour.Blue);
    return text;
}

int AngleCurveColour(int angleIndex) {
    static constexpr std::array<int, kAngleCount + 1> kAngleColours = {0,  6,  3, 11, 5, 13,
                                                                       12, 10, 2, 9,  1, 0};
    return kAngleColours.at(static_cast<std::size_t>(angleIndex));
}

}  // namespace tubeline
