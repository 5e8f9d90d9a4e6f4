#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "model/beam_quality_figures.h"
#include "model/beam_request.h"
#include "model/match_request.h"
#include "texts/result_texts.h"

namespace tubeline {

// Calculations as a script asks for them: the model's BeamRequest with the conditions and the
// filter thicknesses as numbers, corrected and refused by the calculate command's rules, and the
// results as numbers. Plain C++, so that what the Python module adds to a run can be told from
// the run itself.

struct ScriptedRequest {
    BeamRequest Beam;  // Conditions hold ConditionValues, each filter's ThicknessMm a double
    std::filesystem::path DataFolder;  // holds Att_Coeff2020.dat; empty for the working folder
};

// The conditions and a filter's thickness of a scripted request.
const ConditionValues& ValuesOf(const ScriptedRequest& request);
double ThicknessMmOf(const FilterRequest& filter);

// A completed run.
struct ScriptedRun {
    // The request it was computed with, the tube voltage as corrected.
    ScriptedRequest Conditions;
    // Set when the tube voltage was corrected into 30..150 kV.
    std::optional<double> CorrectedTubeVoltageKv;
    std::shared_ptr<const SpectrumTable> Spectra;
    AngleFigures Figures;
    BeamQualityTexts Texts;  // as the window shows them
    std::string TableText;   // the table file, byte for byte
};

// Refused as the window refuses it: a condition, a filter, a run or a match. The message is the
// window's; Field and Reason say the same to a program (see scripted_refusal.h).
struct ScriptedRejection {
    std::string Message;
    std::optional<std::string> Field;  // "kv", "filters[2]", "target" ...; none for the whole beam
    std::string Reason;                // "negative", "below_minimum" ...
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

// One run with the attenuation table of request.DataFolder, the filters' files read by `read`.
ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedRequest& request,
                                         const AttenuationTable& attenuation,
                                         const MaterialReader& read = LoadMaterialFile);

// A reached target: the thickness of the matched filter and the run of the beam with it.
struct ScriptedMatch {
    double ThicknessMm = 0;
    ScriptedRun Run;
};

// The thickness in mm of the matched filter that gives the beam centre the target first
// half-value layer (mm Al), and that beam; every outcome other than a reached target is a
// rejection. The tube voltage's correction is the run's.
ScriptedOutcome<ScriptedMatch> MatchScripted(const ScriptedRequest& request, double targetMmAl,
                                             const VariedFilter& varied,
                                             const AttenuationTable& attenuation,
                                             const MaterialReader& read = LoadMaterialFile);

}  // namespace tubeline
