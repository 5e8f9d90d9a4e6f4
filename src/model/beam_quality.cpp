#include "beam_quality.h"

#include <algorithm>
#include <cmath>

#include "physics_constants.h"

namespace tubeline {
namespace {

static_assert(kKermaTransmissionSteps * kAluminiumStepCm * kCentimetresToMillimetres ==
              kHalfValueLayerSearchLimitMm);
constexpr int kFirstSearchSteps = 300;  // 30 mm Al

}  // namespace

MaterialStep AluminiumStepOf(const AttenuationTable& attenuation) {
    return MaterialStepOf(attenuation.MuAluminium, kAluminiumStepCm);
}

std::span<const double> FluenceBins(const EnergyArray& array, int top) {
    return std::span<const double>(array).subspan(kFirstFluenceBin,
                                                  std::max(0, top - kFirstFluenceBin + 1));
}

double FluencePerExposureOf(const EnergyArray& spectrum, const EnergyArray& muEnAir, int top) {
    return FluencePerExposureOf(FluenceBins(spectrum, top), FluenceBins(kBinEnergiesKeV, top),
                                FluenceBins(muEnAir, top));
}

double FluencePerExposureOf(std::span<const double> photons, std::span<const double> energiesKeV,
                            std::span<const double> muEnAir) {
    double total = 0;
    double kerma = 0;
    for (const double count : photons) {
        total = total + count;
    }
    for (std::size_t i = 0; i < photons.size(); ++i) {
        // E = 0.5 j keV scales by a power of two: the same bits as 0.5 * j taken in turn.
        kerma = kerma + kKermaPerKeVCm2PerGram * photons[i] * energiesKeV[i] * muEnAir[i];
    }
    const double exposure = kerma / kKermaUnitsPerRoentgen;  // R
    return kPerCm2ToPerMm2 * (kRoentgenPerCoulombPerKg / exposure) * total;
}

double AirKermaMicrogray(std::span<const double> photonsPerMm2, std::span<const double> energiesKeV,
                         std::span<const double> muEnAir) {
    constexpr double kMicrograyPerKermaUnit = 1e2;  // the kerma unit is 1e-4 Gy
    double kerma = 0;
    for (std::size_t i = 0; i < photonsPerMm2.size(); ++i) {
        kerma += kKermaPerKeVCm2PerGram * photonsPerMm2[i] / kPerCm2ToPerMm2 * energiesKeV[i] *
                 muEnAir[i];
    }
    return kMicrograyPerKermaUnit * kerma;
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
    curve.AttenuateWhileAbove(kHalfKermaPercent);

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
