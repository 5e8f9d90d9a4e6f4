#include "spectrum_refusal.h"

#include <cmath>

namespace tubeline {
namespace {

constexpr const char* kZeroSpectrumMessage =
    " ろ過が厚すぎるため、スペクトルがすべてのエネルギーで 0 になりました。"
    "ろ過の条件を見直して下さい ";
constexpr const char* kOutOfRangeMessage =
    " スペクトルの値が数値の範囲を超えました。ろ過の条件（負の厚さなど）を見直して下さい ";

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

std::optional<std::string> RefusalOf(const SpectrumTable& spectra) {
    if (spectra.SpectrumPeak == 0 && AllFinite(spectra.PhotonSpectrum)) {
        return kZeroSpectrumMessage;
    }
    if (!AllFinite(spectra.PhotonSpectrum) || !UsablePeak(spectra.SpectrumPeak) ||
        !UsablePeak(spectra.EnergyFluencePeak) || !UsablePeak(spectra.KermaPeak)) {
        return kOutOfRangeMessage;
    }
    return std::nullopt;
}

}  // namespace tubeline
