#include "emission_geometry.h"

#include <cmath>

#include "energy_grid.h"

namespace tubeline {
namespace {

// Distance along the central ray at which the offset of a calculation point is measured; it
// cancels out of s and q.
constexpr double kReferenceDistance = 100;

}  // namespace

EmissionGeometry GeometryOfAngle(int angleIndex, double targetAngleDegrees) {
    const double phi = DegreesToRadians(EmissionAngleDegrees(angleIndex));
    const double theta = DegreesToRadians(targetAngleDegrees);
    const double offset = std::fabs(kReferenceDistance * std::tan(phi));
    const double squaredDistance = offset * offset + kReferenceDistance * kReferenceDistance;
    EmissionGeometry geometry;
    geometry.PathFactor = std::sqrt(squaredDistance) / kReferenceDistance;
    geometry.InverseSquare = kReferenceDistance * kReferenceDistance / squaredDistance;
    geometry.HeelFactor =
        std::sqrt(1 - std::tan(phi) * std::tan(phi)) / (std::tan(theta) - std::tan(phi));
    return geometry;
}

}  // namespace tubeline
