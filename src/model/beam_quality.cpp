#include "beam_quality.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "number_format.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

constexpr int kFirstKermaBin = 11;         // bins below 5.5 keV are left out
constexpr double kAluminiumStepCm = 0.01;  // one step of the attenuation curve
constexpr int kSpecifiedSteps = 300;       // 30 mm Al
constexpr int kStepsPerPass = 4;
constexpr double kHalfPercent = 50;  // percent of the air kerma left
constexpr int kDisplayDecimals = 2;

// Bin just above the highest non-zero one, or 0 when every bin is zero.
int TopBin(const EnergyArray& spectrum) {
    int n = kEnergyBinCount;
    while (n >= 1 && spectrum[n] == 0) {
        --n;
    }
    return n == 0 ? 0 : std::min(n + 1, kEnergyBinCount);
}

// Attenuates the kerma shares by `Steps` more aluminium steps, the first of them step `first`,
// in one pass over the bins: each step's sum still adds the bins in order, but the sums of
// different steps do not wait for each other.
template <std::size_t Steps>
void AttenuateSteps(int first, int top, const EnergyArray& stepTransmission, double sumOfShares,
                    BeamQuality& quality) {
    std::array<double, Steps> left{};
    for (int j = kFirstKermaBin; j <= top; ++j) {
        double share = quality.KermaShare[j];
        for (std::size_t step = 0; step < Steps; ++step) {
            share = share * stepTransmission[j];
            left[step] = left[step] + share;
        }
        quality.KermaShare[j] = share;
    }
    for (std::size_t step = 0; step < Steps; ++step) {
        quality.KermaTransmission[first + step] = 100 * left[step] / sumOfShares;
    }
}

}  // namespace

std::optional<BeamQuality> ComputeBeamQuality(const EnergyArray& centralSpectrum,
                                              const AttenuationTable& attenuation) {
    const int top = TopBin(centralSpectrum);
    if (top == 0) {
        return std::nullopt;
    }
    const EnergyArray& muEnAir = attenuation.MuEnAir;
    BeamQuality quality;
    EnergyArray& share = quality.KermaShare;

    double total = 0;
    for (int j = kFirstKermaBin; j <= top; ++j) {
        share[j] = centralSpectrum[j] * muEnAir[j] * kEnergyStepKeV * j;
        total = total + share[j];
    }
    if (!(total > 0) || !std::isfinite(total)) {
        return std::nullopt;
    }
    double sumOfShares = 0;
    for (int j = kFirstKermaBin; j <= top; ++j) {
        share[j] = share[j] / total;
        sumOfShares = sumOfShares + share[j];
    }

    // The step's transmission per bin is the same at every step; the shares are attenuated
    // cumulatively, so after step k they have passed k steps of aluminium.
    EnergyArray stepTransmission{};
    for (int j = kFirstKermaBin; j <= top; ++j) {
        stepTransmission[j] = std::exp(-attenuation.MuAluminium[j] * kAluminiumStepCm);
    }
    static_assert(kSpecifiedSteps % kStepsPerPass == 0);
    for (int k = 1; k <= kSpecifiedSteps; k += kStepsPerPass) {
        AttenuateSteps<kStepsPerPass>(k, top, stepTransmission, sumOfShares, quality);
    }
    // Past the specified 30 mm, steps are added only while the kerma is not yet halved.
    for (int k = kSpecifiedSteps;
         k < kKermaTransmissionSteps && quality.KermaTransmission[k] > kHalfPercent; ++k) {
        AttenuateSteps<1>(k + 1, top, stepTransmission, sumOfShares, quality);
    }

    // The search starts at the second step even when the first is already at or below half.
    const auto& transmission = quality.KermaTransmission;
    int i = 2;
    while (i <= kKermaTransmissionSteps && transmission[i] > kHalfPercent) {
        ++i;
    }
    if (i <= kKermaTransmissionSteps) {
        const double f = (std::log(kHalfPercent) - std::log(transmission[i - 1])) /
                         (std::log(transmission[i]) - std::log(transmission[i - 1]));
        const double layerCm = ((i - 1) + f) * kAluminiumStepCm;
        quality.HalfValueLayer = kCentimetresToMillimetres * layerCm;
        if (!std::isfinite(*quality.HalfValueLayer)) {
            return std::nullopt;
        }
    }

    double photons = 0;
    double kerma = 0;
    for (int j = 2; j <= top; ++j) {
        photons = photons + centralSpectrum[j];
    }
    for (int j = 2; j <= top; ++j) {
        kerma =
            kerma + kKermaPerKeVCm2PerGram * centralSpectrum[j] * kEnergyStepKeV * j * muEnAir[j];
    }
    const double exposure = kerma / kKermaUnitsPerRoentgen;  // R
    quality.FluencePerExposure = kPerCm2ToPerMm2 * (kRoentgenPerCoulombPerKg / exposure) * photons;
    if (!std::isfinite(quality.FluencePerExposure)) {
        return std::nullopt;
    }
    return quality;
}

BeamQualityTexts FormatBeamQuality(const BeamQuality& quality) {
    const double searchLimitMm =
        kCentimetresToMillimetres * kKermaTransmissionSteps * kAluminiumStepCm;
    return {quality.HalfValueLayer ? FormatFixed(*quality.HalfValueLayer, kDisplayDecimals)
                                   : "> " + FormatFixed(searchLimitMm, kDisplayDecimals),
            FormatScientific(quality.FluencePerExposure)};
}

}  // namespace tubeline
