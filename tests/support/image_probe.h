#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace tubeline::testing {

// How many pixels of the region have exactly this colour.
int CountColour(const QImage& image, const QRect& region, QColor colour);

// How many pixels of the region are not white.
int CountInk(const QImage& image, const QRect& region);

}  // namespace tubeline::testing
