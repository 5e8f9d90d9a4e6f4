#pragma once

#include <QStringList>
#include <cstddef>
#include <memory>
#include <vector>

#include "graph_canvas.h"
#include "model/calculation_state.h"
#include "vertical_axis.h"

namespace tubeline {

// One run on the graph: its spectra, the angles whose curves are drawn (in the order drawn) and
// the entry that names it in the legend, in pieces between which it may go on on a new line.
struct GraphedRun {
    std::shared_ptr<const SpectrumTable> Spectra;
    std::vector<int> Angles;
    QStringList Legend;
};

// How many runs one graph tells apart: one line style each.
inline constexpr std::size_t kMostGraphedRuns = 6;

// The line style of a run by its place on the graph, 0 first: solid for the first, as the
// curves of a graph of one run have always been drawn.
LineStyle RunLineStyle(std::size_t place);

// Draws the graph anew: the empty frame, then every run's curves, each angle in its colour and
// each run in its line style, and from two runs on a legend naming each run, in the upper
// corner of the plot where it hides the fewest points of the curves. Leaves the pen width at 2.
void PaintGraphedRuns(GraphCanvas& canvas, VerticalAxis verticalAxis,
                      const std::vector<GraphedRun>& runs);

}  // namespace tubeline
