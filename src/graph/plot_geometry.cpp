#include "plot_geometry.h"

namespace tubeline {

std::optional<PlotReading> ReadingAt(QPointF graphUnits) {
    if (graphUnits.x() < kPlotLeft || graphUnits.x() > kPlotRight || graphUnits.y() < kPlotTop ||
        graphUnits.y() > kPlotBottom) {
        return std::nullopt;
    }
    return PlotReading{(graphUnits.x() - kPlotLeft) / kUnitsPerKeV,
                       (kPlotBottom - graphUnits.y()) / kUnitsPerRelative};
}

}  // namespace tubeline
