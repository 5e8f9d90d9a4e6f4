#pragma once

#include "graph_canvas.h"
#include "model/calculation_state.h"

namespace tubeline {

// Height of one bin on the plot, in graph units, by vertical-axis mode: photon fluence relative
// to the run's peak (1), energy fluence (3), air kerma (2 and any other value).
double CurveHeight(const SpectrumTable& spectra, int verticalAxisMode, int angleIndex,
                   int energyIndex);

// Draws one angle's spectrum as a step outline in the given colour over what is already drawn,
// from the plot origin, bin 2 onwards, then redraws the frame over the curve's ends.
void DrawSpectrumCurve(GraphCanvas& canvas, const SpectrumTable& spectra, int verticalAxisMode,
                       int angleIndex, int colour);

}  // namespace tubeline
