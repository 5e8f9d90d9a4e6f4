#include "beam_quality.h"

#include <cmath>

#include "physics_constants.h"

namespace tubeline {
namespace {

constexpr double kAluminiumStepCm = 0.01;  // one step of the attenuation curve
static_assert(kKermaTransmissionSteps * kAluminiumStepCm * kCentimetresToMillimetres ==
              kHalfValueLayerSearchLimitMm);
constexpr int kFirstSearchSteps = 300;  // 30 mm Al
constexpr double kHalfPercent = 50;     // percent of the air kerma left

}  // namespace

MaterialStep AluminiumStepOf(const AttenuationTable& attenuation) {
    return MaterialStepOf(attenuation.MuAluminium, kAluminiumStepCm);
}

std::optional<double> HalfValueLayerMm(const KermaTransmissionCurve& aluminium) {
    const std::optional<double> layerCm = aluminium.DepthCm(kHalfPercent);
    if (!layerCm) {
        return std::nullopt;
    }
    return kCentimetresToMillimetres * *layerCm;
}

double FluencePerExposureOf(const EnergyArray& spectrum, const EnergyArray& muEnAir, int top) {
    double photons = 0;
    double kerma = 0;
    for (int j = 2; j <= top; ++j) {
        photons = photons + spectrum[j];
    }
    for (int j = 2; j <= top; ++j) {
        kerma = kerma + kKermaPerKeVCm2PerGram * spectrum[j] * kEnergyStepKeV * j * muEnAir[j];
    }
    const double exposure = kerma / kKermaUnitsPerRoentgen;  // R
    return kPerCm2ToPerMm2 * (kRoentgenPerCoulombPerKg / exposure) * photons;
}

std::optional<BeamQuality> ComputeBeamQuality(const EnergyArray& centralSpectrum,
                                              const AttenuationTable& attenuation) {
    const std::optional<KermaShares> shares = KermaSharesOf(centralSpectrum, attenuation.MuEnAir);
    if (!shares) {
        return std::nullopt;
    }
    KermaTransmissionCurve curve(*shares, AluminiumStepOf(attenuation));
    // Past the first 30 mm, steps go on only until the kerma is halved.
    curve.AttenuateTo(kFirstSearchSteps);
    curve.AttenuateWhileAbove(kHalfPercent);

    BeamQuality quality;
    quality.KermaShare = curve.Shares();
    quality.KermaTransmission = curve.Transmission();
    quality.HalfValueLayer = HalfValueLayerMm(curve);
    if (quality.HalfValueLayer && !std::isfinite(*quality.HalfValueLayer)) {
        return std::nullopt;
    }
    quality.FluencePerExposure =
        FluencePerExposureOf(centralSpectrum, attenuation.MuEnAir, shares->Top);
    if (!std::isfinite(quality.FluencePerExposure)) {
        return std::nullopt;
    }
    return quality;
}

}  // namespace tubeline
