#pragma once

#include <optional>
#include <string>

#include "calculation_state.h"

namespace tubeline {

// The two figures of the result column as the operator reads them.
struct BeamQualityTexts {
    std::string HalfValueLayer;      // "#0.00", mm Al
    std::string FluencePerExposure;  // "0.000E+00", photons / mm2 per 1 C/kg
};

// First half-value layer in mm Al (kerma halved by 0.1-mm aluminium steps, interpolated
// log-linearly) and photon fluence per unit exposure of the central-ray spectrum. Nothing when
// the spectrum carries no air kerma above 5 keV or a figure would not be a finite number.
std::optional<BeamQuality> ComputeBeamQuality(const EnergyArray& centralSpectrum,
                                              const AttenuationTable& attenuation);

// The display texts; a half-value layer beyond the search range reads "> 100.00".
BeamQualityTexts FormatBeamQuality(const BeamQuality& quality);

}  // namespace tubeline
