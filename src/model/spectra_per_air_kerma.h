#pragma once

#include <optional>

#include "calculation_state.h"

namespace tubeline {

// The beam centre's spectra per unit of its own air kerma, each per keV of photon energy: the
// photons per mm2, the energy fluence (keV per mm2) and the air kerma (µGy), every one per keV
// and per µGy of the beam's air kerma. The spectrum's own scale cancels, so that beams of a
// relative model and of one with an absolute scale stand on the same axis, and a filter shows
// what it takes away as well as how it hardens. The air kerma counts the bins the fluence per
// exposure counts (from kFirstFluenceBin); below them every value is 0.
struct SpectraPerAirKerma {
    EnergyArray PhotonsPerMm2{};  // photons / (mm2 keV µGy)
    EnergyArray EnergyPerMm2{};   // keV / (mm2 keV µGy)
    EnergyArray AirKermaShare{};  // µGy / (keV µGy); its bins times the step sum to 1
};

// Nothing when the central spectrum carries no air kerma, or a value would not be finite.
std::optional<SpectraPerAirKerma> CentralSpectraPerAirKerma(const SpectrumTable& spectra,
                                                            const AttenuationTable& attenuation);

}  // namespace tubeline
