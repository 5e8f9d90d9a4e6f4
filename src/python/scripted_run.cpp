#include "scripted_run.h"

#include <memory>
#include <string_view>

#include "model/attenuation_table_file.h"
#include "model/beam_request.h"
#include "model/filter_slots.h"
#include "model/material_file_reader.h"
#include "model/spectrum_model.h"
#include "texts/file_messages.h"
#include "texts/run_messages.h"
#include "texts/match_messages.h"
#include "texts/result_texts.h"

namespace tubeline {
namespace {

using Refusal = std::variant<ScriptedRejection, ScriptedFileProblem>;

std::optional<int> ErrorNumberOf(const auto& cause) {
    if (const auto* file = std::get_if<FileProblem>(&cause)) {
        return file->ErrorNumber;
    }
    return std::nullopt;
}

ScriptedFileProblem FileProblemOf(const MaterialFileProblem& problem) {
    return {problem.File, ErrorNumberOf(problem.Cause), MaterialFileMessage(problem)};
}

// A material file that could not be used is a file problem; anything else a rejection.
Refusal RefusalOf(const BeamRefusal& refusal) {
    const std::string message = BeamRefusalMessage(refusal);
    if (const auto* filter = std::get_if<FilterRefusal>(&refusal)) {
        if (const auto* problem = std::get_if<MaterialFileProblem>(&filter->Cause)) {
            return FileProblemOf(*problem);
        }
        if (const auto* name = std::get_if<FilterRefusal::NameNotShiftJis>(&filter->Cause)) {
            return ScriptedFileProblem{name->File, std::nullopt, message};
        }
        if (const auto* name = std::get_if<FilterRefusal::NameLikeFormula>(&filter->Cause)) {
            return ScriptedFileProblem{name->File, std::nullopt, message};
        }
    }
    return ScriptedRejection{message};
}

// The request as the model takes it.
BeamRequest RequestOf(const ScriptedConditions& conditions) {
    BeamRequest request{conditions.Model, conditions.Rectification, conditions.Values, {}};
    for (const ScriptedFilter& filter : conditions.Filters) {
        request.Filters.push_back({filter.MaterialFile, filter.ThicknessMm});
    }
    return request;
}

// What the window holds when its calculate command runs a model: the filters the dialog added
// and the checked conditions; or why they were refused.
std::variant<PreparedBeam, Refusal> Prepare(const ScriptedConditions& request) {
    BeamPreparation preparation = PrepareBeam(RequestOf(request));
    if (const auto* refusal = std::get_if<BeamRefusal>(&preparation.Outcome)) {
        return RefusalOf(*refusal);
    }
    return std::get<PreparedBeam>(std::move(preparation.Outcome));
}

template <class Result>
ScriptedOutcome<Result> Lifted(const Refusal& refusal) {
    return std::visit([](const auto& cause) -> ScriptedOutcome<Result> { return cause; }, refusal);
}

// The rejection or file problem of an outcome that did not complete, as an outcome of another
// result.
template <class Result, class Other>
ScriptedOutcome<Result> Unfinished(const ScriptedOutcome<Other>& outcome) {
    if (const auto* rejection = std::get_if<ScriptedRejection>(&outcome)) {
        return *rejection;
    }
    return std::get<ScriptedFileProblem>(outcome);
}

// The request with the matched filter at its thickness: in place of the added aluminium or
// copper, or after the request's filters.
ScriptedConditions WithMatchedFilter(ScriptedConditions request, const VariedFilter& varied,
                                     double thicknessMm) {
    if (const auto* added = std::get_if<AddedFilter>(&varied)) {
        ValueOf(request.Values, AddedFilterField(*added)) = thicknessMm;
    } else {
        request.Filters.push_back({std::get<std::filesystem::path>(varied), thicknessMm});
    }
    return request;
}

// The varied thickness that reaches the target, or why none does in the window's words, which
// name the varied filter as the operator knows it.
ScriptedOutcome<double> MatchedThickness(const PreparedBeam& beam,
                                         const AttenuationTable& attenuation, double targetMmAl,
                                         const VariedFilter& varied) {
    const std::variant<VariedFilterMatch, FilterRefusal> match =
        MatchVariedFilter({beam.Conditions, attenuation, beam.Filters}, targetMmAl, varied,
                          MatchedThicknessRounding::AsFound);
    if (const auto* refusal = std::get_if<FilterRefusal>(&match)) {
        return Lifted<double>(RefusalOf(BeamRefusal{*refusal}));
    }
    const VariedFilterMatch& found = std::get<VariedFilterMatch>(match);
    if (const auto* reached = std::get_if<HalfValueLayerReached>(&found.Found)) {
        return reached->ThicknessMm;
    }
    return ScriptedRejection{HalfValueLayerMatchMessage(found.Found, targetMmAl, found.FilterName)};
}

}  // namespace

std::variant<AttenuationTable, ScriptedFileProblem> LoadScriptedAttenuation(
    const std::filesystem::path& dataFolder) {
    try {
        return LoadAttenuationTable(dataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        const AttenuationTableProblem& problem = error.Problem();
        return ScriptedFileProblem{problem.File, ErrorNumberOf(problem.Cause),
                                   AttenuationTableMessage(problem)};
    }
}

ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedConditions& request,
                                         const AttenuationTable& attenuation) {
    BeamRun run = RunBeam(RequestOf(request), attenuation);
    if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
        return Lifted<ScriptedRun>(RefusalOf(*refusal));
    }
    ComputedBeam& computed = std::get<ComputedBeam>(run.Outcome);
    ScriptedConditions used = request;
    used.Values = computed.Beam.Conditions;
    return ScriptedRun{std::move(used),
                       run.CorrectedTubeVoltageKv,
                       computed.Run.Spectra,
                       ComputeAngleFigures(*computed.Run.Spectra, attenuation),
                       ResultTexts(computed.Run.Quality),
                       std::move(computed.Run.TableText)};
}

ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedConditions& request) {
    auto attenuation = LoadScriptedAttenuation(request.DataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&attenuation)) {
        return std::move(*problem);
    }
    return RunScripted(request, std::get<AttenuationTable>(attenuation));
}

ScriptedOutcome<ScriptedMatch> MatchScripted(const ScriptedConditions& request, double targetMmAl,
                                             const VariedFilter& varied) {
    auto loaded = LoadScriptedAttenuation(request.DataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&loaded)) {
        return std::move(*problem);
    }
    const AttenuationTable& attenuation = std::get<AttenuationTable>(loaded);
    std::variant<PreparedBeam, Refusal> prepared = Prepare(request);
    if (const auto* refusal = std::get_if<Refusal>(&prepared)) {
        return Lifted<ScriptedMatch>(*refusal);
    }
    const ScriptedOutcome<double> thickness =
        MatchedThickness(std::get<PreparedBeam>(prepared), attenuation, targetMmAl, varied);
    if (!std::holds_alternative<double>(thickness)) {
        return Unfinished<ScriptedMatch>(thickness);
    }
    const double thicknessMm = std::get<double>(thickness);
    ScriptedOutcome<ScriptedRun> run =
        RunScripted(WithMatchedFilter(request, varied, thicknessMm), attenuation);
    if (auto* completed = std::get_if<ScriptedRun>(&run)) {
        return ScriptedMatch{thicknessMm, std::move(*completed)};
    }
    return Unfinished<ScriptedMatch>(run);
}

}  // namespace tubeline
