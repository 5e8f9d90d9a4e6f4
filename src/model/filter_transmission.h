#pragma once

#include "spectrum_pipeline.h"

namespace tubeline {

// The fraction of the photons of bin j that the filters let through along an oblique path of
// pathFactor (sec of the emission angle) times their thickness: the aluminium (added and
// inherent), the copper and the arbitrary filters, multiplied in this order.
double FilterTransmission(const ModelInputs& inputs, double pathFactor, int j);

}  // namespace tubeline
