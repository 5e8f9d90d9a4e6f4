#include "plot_geometry.h"

#include <array>

namespace tubeline {

int AngleCurveColour(int angleIndex) {
    static constexpr std::array<int, 12> kColours = {0, 6, 3, 11, 5, 13, 12, 10, 2, 9, 1, 0};
    return kColours.at(static_cast<std::size_t>(angleIndex));
}

std::optional<PlotReading> ReadingAt(QPointF graphUnits) {
    if (graphUnits.x() < kPlotLeft || graphUnits.x() > kPlotRight || graphUnits.y() < kPlotTop ||
        graphUnits.y() > kPlotBottom) {
        return std::nullopt;
    }
    return PlotReading{(graphUnits.x() - kPlotLeft) / kUnitsPerKeV,
                       (kPlotBottom - graphUnits.y()) / kUnitsPerRelative};
}

}  // namespace tubeline
