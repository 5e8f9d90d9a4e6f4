#pragma once

#include <array>

#include "tungsten_target_file.h"

namespace tubeline {

// The angular shape of bremsstrahlung about the direction of the emitting electron,
//   S(theta) = (1 - beta^2) / (4 pi (1 - beta cos theta)^2),      normalised over 4 pi,
// as its Legendre moments s_l = integral of S P_l(cos theta) over the sphere, l = 0 .. 3
// (s_0 = 1). Averaged over electrons whose directions have the Legendre moments p_l about an
// axis, the emission at an angle Theta to that axis is sum over l of
// (2l + 1) / (4 pi) * s_l * p_l * P_l(cos Theta).
std::array<double, kFluenceMomentCount> EmissionShapeMoments(double electronKeV);

// P_l(c) for l = 0 .. 3.
std::array<double, kFluenceMomentCount> LegendrePolynomials(double c);

}  // namespace tubeline
