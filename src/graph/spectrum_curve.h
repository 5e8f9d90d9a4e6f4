#pragma once

#include "graph_canvas.h"
#include "model/calculation_state.h"
#include "vertical_axis.h"

namespace tubeline {

// Height of one bin on the plot, in graph units: photon fluence relative to the run's peak,
// energy fluence or air kerma.
double CurveHeight(const SpectrumTable& spectra, VerticalAxis verticalAxis, int angleIndex,
                   int energyIndex);

// The value of one bin as the curve shows it, relative to the run's largest (0 to 1).
double RelativeValue(const SpectrumTable& spectra, VerticalAxis verticalAxis, int angleIndex,
                     int energyIndex);

// The bin whose step the curves draw at a photon energy: the one centred nearest to it, from
// bin 2 (the first drawn) to the last.
int DrawnEnergyIndexAt(double energyKeV);

// Draws one angle's spectrum as a step outline in the given colour over what is already drawn,
// from the plot origin, bin 2 onwards, then redraws the frame over the curve's ends. A solid
// curve is drawn step by step, as it always has been; a dashed one as one stroke, so that its
// pattern runs on over the steps.
void DrawSpectrumCurve(GraphCanvas& canvas, const SpectrumTable& spectra, VerticalAxis verticalAxis,
                       int angleIndex, int colour, LineStyle style = LineStyle::Solid);

}  // namespace tubeline
