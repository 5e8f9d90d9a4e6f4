#pragma once

#include <QColor>

#include "export/palette_colours.h"

namespace tubeline {

// A colour of the palette by number, as the curves, the frame and the legend use it.
QColor PaletteColour(int number);

}  // namespace tubeline
