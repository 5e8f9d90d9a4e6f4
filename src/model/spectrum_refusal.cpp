#include "spectrum_refusal.h"

#include <cmath>

namespace tubeline {
namespace {

bool AllFinite(const AngleEnergyArray& spectra) {
    for (const EnergyArray& row : spectra) {
        for (const double value : row) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    return true;
}

bool UsablePeak(double peak) {
    return peak > 0 && std::isfinite(peak);
}

}  // namespace

std::optional<RunRefusal> RefusalOf(const SpectrumTable& spectra) {
    if (spectra.SpectrumPeak == 0 && AllFinite(spectra.PhotonSpectrum)) {
        return RunRefusal::ZeroSpectra;
    }
    if (!AllFinite(spectra.PhotonSpectrum) || !UsablePeak(spectra.SpectrumPeak) ||
        !UsablePeak(spectra.EnergyFluencePeak) || !UsablePeak(spectra.KermaPeak)) {
        return RunRefusal::OutOfRange;
    }
    return std::nullopt;
}

}  // namespace tubeline
