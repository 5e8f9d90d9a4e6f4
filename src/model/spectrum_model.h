#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "calculation_state.h"
#include "file_io.h"
#include "run_effects.h"
#include "spectrum_refusal.h"

namespace tubeline {

struct RunOptions {
    // Where the table file goes; without one nothing is written.
    std::optional<std::filesystem::path> TableFile;
};

struct RunResult {
    // Set when the run was refused. The state, the windows and the table file are then exactly
    // as they were before the run.
    std::optional<RunRefusal> Refusal;
    // The run completed, but its table file could not be written.
    std::optional<FileProblem> TableFileProblem;
    // The table file's text of a completed run, byte for byte, whether or not it was written.
    std::string TableText;

    bool Completed() const { return !Refusal; }
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
