#pragma once

#include <QPointF>
#include <optional>

namespace tubeline {

// The plot rectangle in graph units: 0..150 keV across, relative 0..1 upwards.
inline constexpr double kPlotLeft = 1000;
inline constexpr double kPlotRight = 5500;
inline constexpr double kPlotTop = 100;
inline constexpr double kPlotBottom = 2100;
inline constexpr double kUnitsPerKeV = 30;
inline constexpr double kUnitsPerRelative = kPlotBottom - kPlotTop;

inline constexpr QPointF kPlotTopLeft{kPlotLeft, kPlotTop};
inline constexpr QPointF kPlotBottomRight{kPlotRight, kPlotBottom};

// What a point of the plot stands for: the photon energy across and the relative value upwards.
struct PlotReading {
    double EnergyKeV = 0;
    double Relative = 0;
};
// Nothing for a point outside the plot rectangle.
std::optional<PlotReading> ReadingAt(QPointF graphUnits);

}  // namespace tubeline
