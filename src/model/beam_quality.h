#pragma once

#include <optional>
#include <span>

#include "calculation_state.h"
#include "kerma_transmission_curve.h"
#include "physics_constants.h"

namespace tubeline {

// The first half-value layer is searched by 0.1-mm aluminium steps up to this thickness.
inline constexpr double kHalfValueLayerSearchLimitMm = 100;
// Percent of the air kerma left behind the first half-value layer.
inline constexpr double kHalfKermaPercent = 50;

// First half-value layer in mm Al (kerma halved by 0.1-mm aluminium steps, interpolated
// log-linearly) and photon fluence per unit exposure of the central-ray spectrum. Nothing when
// the spectrum carries no air kerma above 5 keV or a figure would not be a finite number.
std::optional<BeamQuality> ComputeBeamQuality(const EnergyArray& centralSpectrum,
                                              const AttenuationTable& attenuation);

// The building blocks the beam-quality figures share with ComputeBeamQuality, so that the first
// half-value layer and the fluence per exposure come out the same wherever they are shown.

// The 0.1-mm aluminium step of the half-value-layer search.
inline constexpr double kAluminiumStepCm = 0.01;
MaterialStep AluminiumStepOf(const AttenuationTable& attenuation);

// First half-value layer in mm Al from an aluminium curve's steps so far (on the table's bins or
// on lines of one's own); nothing when the kerma is not yet halved.
template <class Curve>
std::optional<double> HalfValueLayerMm(const Curve& aluminium) {
    const std::optional<double> layerCm = aluminium.DepthCm(kHalfKermaPercent);
    if (!layerCm) {
        return std::nullopt;
    }
    return kCentimetresToMillimetres * *layerCm;
}

// Photons per mm2 per 1 C/kg of exposure, from the photons and the air kerma of bins 2 .. top.
double FluencePerExposureOf(const EnergyArray& spectrum, const EnergyArray& muEnAir, int top);
// The same for lines of photons at energies (keV) of one's own, air's mu_en/rho (cm2/g) at each.
double FluencePerExposureOf(std::span<const double> photons, std::span<const double> energiesKeV,
                            std::span<const double> muEnAir);

// The air kerma in microgray of lines of photons per mm2 at energies (keV), air's mu_en/rho
// (cm2/g) at each.
double AirKermaMicrogray(std::span<const double> photonsPerMm2, std::span<const double> energiesKeV,
                         std::span<const double> muEnAir);

// The first bin the fluence per exposure and the mean energies count: 1 keV, above the lowest.
inline constexpr int kFirstFluenceBin = 2;
// Bins kFirstFluenceBin .. top of an array on the energy grid.
std::span<const double> FluenceBins(const EnergyArray& array, int top);

}  // namespace tubeline
