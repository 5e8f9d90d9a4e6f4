#pragma once

#include "graph_canvas.h"
#include "model/calculation_state.h"
#include "vertical_axis.h"

namespace tubeline {

// Height of one bin on the plot, in graph units: photon fluence relative to the run's peak,
// energy fluence or air kerma.
double CurveHeight(const SpectrumTable& spectra, VerticalAxis verticalAxis, int angleIndex,
                   int energyIndex);

// Draws one angle's spectrum as a step outline in the given colour over what is already drawn,
// from the plot origin, bin 2 onwards, then redraws the frame over the curve's ends.
void DrawSpectrumCurve(GraphCanvas& canvas, const SpectrumTable& spectra, VerticalAxis verticalAxis,
                       int angleIndex, int colour);

}  // namespace tubeline
