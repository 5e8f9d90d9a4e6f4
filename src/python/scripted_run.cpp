#include "scripted_run.h"

#include <utility>

#include "model/attenuation_table_file.h"
#include "model/spectrum_model.h"
#include "scripted_refusal.h"
#include "texts/file_messages.h"
#include "texts/result_texts.h"

namespace tubeline {
namespace {

template <class Result>
ScriptedOutcome<Result> Lifted(const ScriptedRefusal& refusal) {
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
ScriptedRequest WithMatchedFilter(ScriptedRequest request, const VariedFilter& varied,
                                  double thicknessMm) {
    if (const auto* added = std::get_if<AddedFilter>(&varied)) {
        ValueOf(std::get<ConditionValues>(request.Beam.Conditions), AddedFilterField(*added)) =
            thicknessMm;
    } else {
        request.Beam.Filters.push_back({std::get<std::filesystem::path>(varied), thicknessMm});
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
        return ScriptedFileProblemOf(*refusal);
    }
    const VariedFilterMatch& found = std::get<VariedFilterMatch>(match);
    if (const auto* reached = std::get_if<HalfValueLayerReached>(&found.Found)) {
        return reached->ThicknessMm;
    }
    return ScriptedRejectionOf(found.Found, targetMmAl, found.FilterName);
}

}  // namespace

const ConditionValues& ValuesOf(const ScriptedRequest& request) {
    return std::get<ConditionValues>(request.Beam.Conditions);
}

double ThicknessMmOf(const FilterRequest& filter) {
    return std::get<double>(filter.ThicknessMm);
}

std::variant<AttenuationTable, ScriptedFileProblem> LoadScriptedAttenuation(
    const std::filesystem::path& dataFolder) {
    try {
        return LoadAttenuationTable(dataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        const AttenuationTableProblem& problem = error.Problem();
        const auto* system = std::get_if<FileProblem>(&problem.Cause);
        return ScriptedFileProblem{problem.File,
                                   system ? std::optional(system->ErrorNumber) : std::nullopt,
                                   AttenuationTableMessage(problem)};
    }
}

ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedRequest& request,
                                         const AttenuationTable& attenuation,
                                         const MaterialReader& read) {
    BeamRun run = RunBeam(request.Beam, attenuation, read);
    if (const auto* refusal = std::get_if<BeamRefusal>(&run.Outcome)) {
        return Lifted<ScriptedRun>(ScriptedRefusalOf(*refusal, request, run.RefusedFilterSlot));
    }
    ComputedBeam& computed = std::get<ComputedBeam>(run.Outcome);
    ScriptedRequest used = request;
    used.Beam.Conditions = static_cast<const ConditionValues&>(computed.Beam.Conditions);
    return ScriptedRun{std::move(used),
                       run.CorrectedTubeVoltageKv,
                       computed.Run.Spectra,
                       ComputeAngleFigures(*computed.Run.Spectra, attenuation),
                       ResultTexts(computed.Run.Quality),
                       std::move(computed.Run.TableText)};
}

ScriptedOutcome<ScriptedMatch> MatchScripted(const ScriptedRequest& request, double targetMmAl,
                                             const VariedFilter& varied,
                                             const AttenuationTable& attenuation,
                                             const MaterialReader& read) {
    BeamPreparation preparation = PrepareBeam(request.Beam, read);
    if (const auto* refusal = std::get_if<BeamRefusal>(&preparation.Outcome)) {
        return Lifted<ScriptedMatch>(
            ScriptedRefusalOf(*refusal, request, preparation.RefusedFilterSlot));
    }
    const ScriptedOutcome<double> thickness = MatchedThickness(
        std::get<PreparedBeam>(preparation.Outcome), attenuation, targetMmAl, varied);
    if (!std::holds_alternative<double>(thickness)) {
        return Unfinished<ScriptedMatch>(thickness);
    }
    const double thicknessMm = std::get<double>(thickness);
    ScriptedOutcome<ScriptedRun> run =
        RunScripted(WithMatchedFilter(request, varied, thicknessMm), attenuation, read);
    if (auto* completed = std::get_if<ScriptedRun>(&run)) {
        return ScriptedMatch{thicknessMm, std::move(*completed)};
    }
    return Unfinished<ScriptedMatch>(run);
}

}  // namespace tubeline
