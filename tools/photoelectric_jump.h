#pragma once

#include <optional>

namespace tubeline::tools {

// xraylib's cross-section tables place some edges up to about 0.6 % away from its EdgeEnergy
// value; the jump is looked for within this fraction either side. Neighbouring edges of one
// element lie at least 2 % apart.
inline constexpr double kEdgeWindow = 0.01;

// Where an element's photoelectric coefficient (xraylib's CS_Photo) jumps at an edge.
struct PhotoelectricJump {
    double BelowKeV;   // the highest energy at which the value below holds
    double EnergyKeV;  // the lowest energy at which the value above holds: the next double
    double Below;      // cm2/g
    double Above;      // cm2/g
};

// The jump near the nominal edge energy (keV): the largest step of a scan over the window,
// narrowed by bisection to neighbouring doubles. Nothing when the coefficient is continuous
// there (xraylib smooths a few M edges over several eV).
std::optional<PhotoelectricJump> PhotoelectricJumpNear(int atomicNumber, double nominalKeV);

}  // namespace tubeline::tools
