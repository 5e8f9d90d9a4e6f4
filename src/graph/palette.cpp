#include "palette.h"

namespace tubeline {

QColor PaletteColour(int number) {
    const PaletteRgb colour = PaletteColourRgb(number);
    return QColor(colour.Red, colour.Green, colour.Blue);
}

}  // namespace tubeline
