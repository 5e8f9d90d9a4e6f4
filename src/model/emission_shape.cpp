#include "emission_shape.h"

#include <cmath>

#include "bremsstrahlung_cross_section.h"

namespace tubeline {
namespace {

// Below this beta (an electron of 0.64 keV) the closed forms lose digits to cancellation; the
// leading terms of their series are exact to 0.2 % there.
constexpr double kSeriesBelowBeta = 0.05;

}  // namespace

std::array<double, kFluenceMomentCount> EmissionShapeMoments(double electronKeV) {
    const double b = std::sqrt(BetaSquared(electronKeV));
    if (b < kSeriesBelowBeta) {
        return {1, 2 * b / 3 + 2 * std::pow(b, 3) / 15, 2 * b * b / 5, 8 * std::pow(b, 3) / 35};
    }
    // J_n = integral over c from -1 to 1 of c^n / (1 - b c)^2, in closed form.
    const double logRatio = std::log((1 + b) / (1 - b));
    const double a = 2 * b / (1 - b * b);
    const double j0 = a / b;
    const double j1 = (a - logRatio) / (b * b);
    const double j2 = (a - 2 * logRatio + 2 * b) / std::pow(b, 3);
    const double j3 = (a - 3 * logRatio + 4 * b) / std::pow(b, 4);
    const double norm = (1 - b * b) / 2;
    return {norm * j0, norm * j1, norm * (3 * j2 - j0) / 2, norm * (5 * j3 - 3 * j1) / 2};
}

std::array<double, kFluenceMomentCount> LegendrePolynomials(double c) {
    return {1, c, (3 * c * c - 1) / 2, (5 * c * c * c - 3 * c) / 2};
}

}  // namespace tubeline
