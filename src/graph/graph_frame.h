#pragma once

#include "graph_canvas.h"
#include "vertical_axis.h"

namespace tubeline {

// Clears the area and draws the empty graph: grey grid every 10 keV and every 0.1, the energy
// tick labels and title, the vertical-axis title of the mode, and the black frame. Leaves the
// pen width at 2.
void PaintGraphFrame(GraphCanvas& canvas, VerticalAxis verticalAxis);

// Erases and rewrites the mode-dependent words of the vertical-axis title, left of the frame;
// curves already drawn stay as they are.
void RepaintAxisTitle(GraphCanvas& canvas, VerticalAxis verticalAxis);

}  // namespace tubeline
