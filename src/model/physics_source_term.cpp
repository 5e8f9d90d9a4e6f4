#include "physics_source_term.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "bremsstrahlung_kernel.h"
#include "electron_fluence.h"
#include "emission_shape.h"

namespace tubeline {
namespace {

using OrderWeights = std::array<double, kFluenceMomentCount>;
static_assert(kFluenceMomentCount == 4, "the profile below sums four orders");

// The weights of the orders l in the emission towards the take-off angle psi: the angle to the
// electrons' axis, the inward normal, is 90 degrees + psi.
OrderWeights AngularWeights(double takeOffAngle) {
    const auto legendre = LegendrePolynomials(-std::sin(takeOffAngle));
    OrderWeights weights;
    for (int l = 0; l < kFluenceMomentCount; ++l) {
        weights[l] = (2 * l + 1) / (4 * std::numbers::pi) * legendre[l];
    }
    return weights;
}

}  // namespace

PhysicsSourceTerm::PhysicsSourceTerm(const TungstenTargetTables& tables,
                                     std::vector<CharacteristicLine> lines,
                                     const EnergyArray& tungstenAttenuation)
    : tables_(tables),
      crossSection_(tables.CrossSections),
      characteristic_(tables, std::move(lines)),
      depthIntegral_(tables.Fluence.Depths),
      tungstenAttenuation_(tungstenAttenuation) {}

std::vector<TargetEmission> PhysicsSourceTerm::Emission(
    double electronKeV, std::span<const double> takeOffAngles) const {
    if (!(electronKeV <= tables_.Fluence.IncidentEnergiesKeV.back())) {
        throw std::invalid_argument("electrons above the target tables' highest energy");
    }
    for (const double angle : takeOffAngles) {
        if (!(angle > 0 && angle <= std::numbers::pi / 2)) {
            throw std::invalid_argument("a take-off angle out of (0, pi/2]");
        }
    }
    std::vector<TargetEmission> emissions(takeOffAngles.size());
    if (electronKeV < tables_.Ranges.ElectronEnergiesKeV.front()) {
        return emissions;
    }
    const double rangeCm = CsdaRangeCm(tables_.Ranges, electronKeV);
    const BremsstrahlungKernel kernel(crossSection_, tables_.Fluence, electronKeV);
    const std::size_t depths = kernel.PaddedDepths();
    std::vector<double> profile(depths);
    for (std::size_t a = 0; a < takeOffAngles.size(); ++a) {
        const OrderWeights orders = AngularWeights(takeOffAngles[a]);
        const double pathPerDepth = rangeCm / std::sin(takeOffAngles[a]);
        EnergyArray& spectrum = emissions[a].Bremsstrahlung;
        for (int j = 1; j <= kernel.Top(); ++j) {
            // The emission per unit depth towards this angle, then its escaping part.
            const float* bin = kernel.Bin(j);
            for (std::size_t x = 0; x < depths; ++x) {
                profile[x] = orders[0] * bin[x] + orders[1] * bin[depths + x] +
                             orders[2] * bin[2 * depths + x] + orders[3] * bin[3 * depths + x];
            }
            spectrum[j] =
                rangeCm * depthIntegral_.Of(tungstenAttenuation_[j] * pathPerDepth, profile);
        }
        characteristic_.Add(electronKeV, rangeCm, takeOffAngles[a], emissions[a].Lines);
    }
    return emissions;
}

}  // namespace tubeline
