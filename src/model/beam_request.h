#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calculation_state.h"
#include "condition_fields.h"
#include "filter_slots.h"
#include "output_conditions.h"
#include "spectrum_model.h"

namespace tubeline {

// One beam as the programs without windows ask for it (the command line, its batch, the Python
// module, the page): the choices, the conditions as typed or as numbers, and the filters. It is
// read, corrected and refused by the rules of the window's calculate command and filter dialog.

// A filter of a material file; the thickness in mm, as typed or as a number.
struct FilterRequest {
    std::filesystem::path MaterialFile;
    std::variant<std::string, double> ThicknessMm;
};

struct BeamRequest {
    SpectrumModel Model = kDefaultModel;
    RectificationMode Rectification = kDefaultRectification;
    std::variant<ConditionTexts, ConditionValues> Conditions = DefaultConditionTexts(kDefaultModel);
    std::vector<FilterRequest> Filters;  // in slot order
    // Where the absolute output is wanted, for a model that has one.
    std::variant<OutputTexts, OutputValues> Output = DefaultOutputTexts();
};

// A request as the model's records hold it, ready to run: the conditions as checked (the tube
// voltage as corrected, the distance and output factor among them) and the filters as read.
struct PreparedBeam {
    IrradiationConditions Conditions;
    MaterialFilter Filters;
};

// Why a beam gave no results: a condition, a filter, the distance or output factor, the run
// itself or the model's data was refused.
using BeamRefusal =
    std::variant<ConditionRejection, FilterRefusal, RunRefusal, ModelDataRefusal, OutputRejection>;

struct BeamPreparation {
    // Set when the tube voltage was corrected into 30..150 kV, even when a later check refused
    // the beam.
    std::optional<double> CorrectedTubeVoltageKv;
    std::variant<PreparedBeam, BeamRefusal> Outcome;
    // On a FilterRefusal, the slot (from 0) of the filter refused.
    std::size_t RefusedFilterSlot = 0;
};

// Adds the filters (their files read by `read`) and then checks the conditions, as a window
// session does before its calculate command runs a model, and then the distance and output
// factor.
BeamPreparation PrepareBeam(const BeamRequest& request,
                            const MaterialReader& read = LoadMaterialFile);

// A completed run of a prepared beam.
struct ComputedBeam {
    PreparedBeam Beam;
    ModelRun Run;
};

// A request prepared and, when nothing refused it, computed: every calculate command.
struct BeamRun {
    std::optional<double> CorrectedTubeVoltageKv;  // as BeamPreparation's
    std::variant<ComputedBeam, BeamRefusal> Outcome;
    std::size_t RefusedFilterSlot = 0;  // as BeamPreparation's
};

BeamRun RunBeam(const BeamRequest& request, const AttenuationTable& attenuation,
                const MaterialReader& read = LoadMaterialFile);

}  // namespace tubeline
