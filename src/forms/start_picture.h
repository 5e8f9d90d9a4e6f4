#pragma once

#include <QImage>

namespace tubeline {

// The start window's decorative background, 1024 x 684 pixels: a rotating boat lift between a
// canal aqueduct and a basin at dusk, painted rather than photographed.
QImage StartPicture();

}  // namespace tubeline
