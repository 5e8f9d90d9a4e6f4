#include "spectra_per_air_kerma.h"

#include <cmath>
#include <span>

#include "beam_quality.h"

namespace tubeline {

std::optional<SpectraPerAirKerma> CentralSpectraPerAirKerma(const SpectrumTable& spectra,
                                                            const AttenuationTable& attenuation) {
    const EnergyArray& photons = spectra.CentralSpectrum;
    const auto binKerma = [&](int first, int count) {
        return AirKermaMicrogray(
            std::span<const double>(photons).subspan(first, count),
            std::span<const double>(kBinEnergiesKeV).subspan(first, count),
            std::span<const double>(attenuation.MuEnAir).subspan(first, count));
    };
    const double kermaMicrogray =
        binKerma(kFirstFluenceBin, kEnergyBinCount - kFirstFluenceBin + 1);
    if (!(kermaMicrogray > 0) || !std::isfinite(kermaMicrogray)) {
        return std::nullopt;
    }
    // Per keV of the bin's width and per µGy of the beam's air kerma.
    const double scale = 1 / (kEnergyStepKeV * kermaMicrogray);
    SpectraPerAirKerma perKerma;
    for (int j = kFirstFluenceBin; j <= kEnergyBinCount; ++j) {
        perKerma.PhotonsPerMm2[j] = scale * photons[j];
        perKerma.EnergyPerMm2[j] = scale * photons[j] * kBinEnergiesKeV[j];
        perKerma.AirKermaShare[j] = scale * binKerma(j, 1);
        if (!std::isfinite(perKerma.EnergyPerMm2[j])) {
            return std::nullopt;
        }
    }
    return perKerma;
}

}  // namespace tubeline
