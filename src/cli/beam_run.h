#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/calculation_state.h"
#include "model/condition_fields.h"
#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "model/spectrum_model_names.h"

namespace tubeline {

// One beam of tubeline-calc, from its conditions as typed to its results: the same steps for a
// single run, each trial of a half-value-layer match and each row of a batch.

// One filter of a material file: the file and the thickness as typed, in mm.
struct FilterArgument {
    std::filesystem::path MaterialFile;
    std::string Thickness;
};

// The conditions of one beam as given, before they are read and checked.
struct BeamArguments {
    SpectrumModel ModelChoice = SpectrumModel::Tucker;
    RectificationMode Rectification = RectificationMode::ConstantPotential;
    // Read by the same leading-number rule as the window's fields.
    ConditionTexts Fields{"100", "12", "2.5", "0", "0"};
    std::vector<FilterArgument> Filters;  // at most kFilterSlotCount, in slot order
};

// "1", "2" or "3".
std::optional<RectificationMode> RectificationNumbered(std::string_view number);

// Why a beam was not computed: the message for people (as the window words it) and the exit
// code of a single run.
struct BeamFailure {
    std::string Message;
    int ExitCode;
};

BeamFailure FailureOf(const FilterRefusal& refusal);

// A beam whose filters are in place and whose conditions passed the checks.
struct PreparedBeam {
    BeamArguments Arguments;
    ConditionTexts CheckedFields;  // the tube voltage corrected into 30..150 kV
    std::unique_ptr<CalculationState> State;
};

struct BeamPreparation {
    // Set when the tube voltage was corrected: the text it was corrected to.
    std::optional<std::string> CorrectedTubeVoltage;
    std::variant<PreparedBeam, BeamFailure> Outcome;
};

// Adds the filters (their files read by `read`) and checks the conditions as a calculation
// does, in that order.
BeamPreparation PrepareBeam(const BeamArguments& arguments, const AttenuationTable& attenuation,
                            const MaterialReader& read);

// A completed model run of a prepared beam: spectra and beam quality in State.
struct ComputedBeam {
    PreparedBeam Beam;
    RunResult Run;
    BeamQualityTexts Texts;  // the two figures of the window's result column
};

std::variant<ComputedBeam, BeamFailure> RunBeam(PreparedBeam beam, const RunOptions& options);

}  // namespace tubeline
