#pragma once

#include <string>

#include "model/calculation_state.h"

namespace tubeline::oracle {

// Everything a run produces, by the plainest evaluation of the model's loops: angle by angle,
// sample by sample, two exponentials and the powers in every term, nothing hoisted. It shares
// no code with the production pipeline except the records.
struct OracleRun {
    SpectrumTable Spectra;
    BeamQuality Quality;
    std::string TableFile;  // the 304 lines with CR LF, formatted with printf
    std::string HalfValueLayerText;
    std::string FluencePerExposureText;
};

OracleRun RunStraightforward(const IrradiationConditions& conditions,
                             const AttenuationTable& attenuation, const MaterialFilter& filters);

}  // namespace tubeline::oracle
