#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "calculation_state.h"
#include "run_effects.h"

namespace tubeline {

struct RunOptions {
    // Where the table file goes; without one nothing is written.
    std::optional<std::filesystem::path> TableFile;
};

struct RunResult {
    // Why the run produced no spectra. The state, the windows and the table file are then
    // exactly as they were before the run.
    std::optional<std::string> Failure;
    // The run completed, but its table file could not be written; says why.
    std::optional<std::string> TableFileError;

    bool Completed() const { return !Failure; }
};

// One model run from the stored conditions: SpectrumTable and BeamQuality rewritten, the table
// file written, then the window effects in their fixed order. The conditions must have passed
// CheckConditionFields.
RunResult ComputeTuckerSpectra(CalculationState& state, const RunOptions& options,
                               RunEffects& effects);
RunResult ComputeBirchSpectra(CalculationState& state, const RunOptions& options,
                              RunEffects& effects);

// The model of ModelChoice.
RunResult ComputeChosenModel(CalculationState& state, const RunOptions& options,
                             RunEffects& effects);

}  // namespace tubeline
