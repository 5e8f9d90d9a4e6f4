#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/beam_quality_figures.h"
#include "model/condition_fields.h"
#include "model/condition_names.h"
#include "model/match_request.h"
#include "texts/result_texts.h"

namespace tubeline {

// Calculations as a script asks for them: the calculate command's conditions as numbers rather
// than field texts, corrected and refused by the same rules, and the results as numbers. Plain
// C++, so that what the Python module adds to a run can be told from the run itself.

struct ScriptedFilter {
    std::filesystem::path MaterialFile;
    double ThicknessMm = 0;
};

struct ScriptedConditions {
    SpectrumModel Model = kDefaultModel;
    ConditionValues Values;
    RectificationMode Rectification = kDefaultRectification;
    std::vector<ScriptedFilter> Filters;  // in slot order
    std::filesystem::path DataFolder;     // holds Att_Coeff2020.dat; empty for the working folder
};

// A completed run.
struct ScriptedRun {
    // The conditions it was computed with: the request's, the tube voltage as corrected.
    ScriptedConditions Conditions;
    // Set when the tube voltage was corrected into 30..150 kV.
    std::optional<double> CorrectedTubeVoltageKv;
    std::shared_ptr<const SpectrumTable> Spectra;
    AngleFigures Figures;
    BeamQualityTexts Texts;  // as the window shows them
    std::string TableText;   // the table file, byte for byte
};

// Refused as the window refuses it: a condition, a filter, a run or a match. The message is the
// window's.
struct ScriptedRejection {
    std::string Message;
};

// The attenuation table or a material file could not be used.
struct ScriptedFileProblem {
    std::filesystem::path File;
    std::optional<int> ErrorNumber;  // errno when the system refused to read the file
    std::string Message;             // the window's, naming the file
};

template <class Result>
using ScriptedOutcome = std::variant<Result, ScriptedRejection, ScriptedFileProblem>;

// The attenuation table of a data folder, or why it cannot be used.
std::variant<AttenuationTable, ScriptedFileProblem> LoadScriptedAttenuation(
    const std::filesystem::path& dataFolder);

// One run, reading the attenuation table of request.DataFolder first as tubeline-calc does.
ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedConditions& request);
// The same with that table already read.
ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedConditions& request,
                                         const AttenuationTable& attenuation);

// A reached target: the thickness of the matched filter and the run of the beam with it.
struct ScriptedMatch {
    double ThicknessMm = 0;
    ScriptedRun Run;
};

// The thickness in mm of the matched filter that gives the beam centre the target first
// half-value layer (mm Al), and that beam; every outcome other than a reached target is a
// rejection. The tube voltage's correction is the run's.
ScriptedOutcome<ScriptedMatch> MatchScripted(const ScriptedConditions& request, double targetMmAl,
                                             const VariedFilter& varied);

}  // namespace tubeline
