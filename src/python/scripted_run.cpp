#include "scripted_run.h"

#include <memory>
#include <string_view>

#include "model/attenuation_table_file.h"
#include "model/beam_request.h"
#include "model/filter_slots.h"
#include "model/material_file_reader.h"
#include "model/spectrum_model.h"
#include "texts/messages.h"
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

// The thickness of a reached target; the window's words for any other outcome, which names the
// varied filter as the operator knows it.
ScriptedOutcome<double> Answer(const HalfValueLayerMatch& match, double targetMmAl,
                               std::string_view variedFilter) {
    if (const auto* reached = std::get_if<HalfValueLayerReached>(&match)) {
        return reached->ThicknessMm;
    }
    return ScriptedRejection{HalfValueLayerMatchMessage(match, targetMmAl, variedFilter)};
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
    std::variant<PreparedBeam, Refusal> prepared = Prepare(request);
    if (const auto* refusal = std::get_if<Refusal>(&prepared)) {
        return Lifted<ScriptedRun>(*refusal);
    }
    const std::variant<ComputedBeam, BeamRefusal> run =
        ComputeBeam(std::get<PreparedBeam>(std::move(prepared)), attenuation);
    if (const auto* refusal = std::get_if<BeamRefusal>(&run)) {
        return Lifted<ScriptedRun>(RefusalOf(*refusal));
    }
    const ModelRun& computed = std::get<ComputedBeam>(run).Run;
    const SpectrumTable& spectra = *computed.Spectra;
    ScriptedRun result{{},
                       ComputeAngleFigures(spectra, attenuation),
                       ResultTexts(computed.Quality),
                       computed.TableText};
    result.RelativeSpectra.reserve(kAngleCount * kEnergyBinCount);
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            // The expression of the table file, so that the bits are those it rounds.
            result.RelativeSpectra.push_back(spectra.PhotonSpectrum[a][j] / spectra.SpectrumPeak);
        }
    }
    return result;
}

ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedConditions& request) {
    auto attenuation = LoadScriptedAttenuation(request.DataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&attenuation)) {
        return std::move(*problem);
    }
    return RunScripted(request, std::get<AttenuationTable>(attenuation));
}

ScriptedOutcome<double> MatchScripted(const ScriptedConditions& request, double targetMmAl,
                                      const MatchedFilter& varied) {
    auto attenuation = LoadScriptedAttenuation(request.DataFolder);
    if (auto* problem = std::get_if<ScriptedFileProblem>(&attenuation)) {
        return std::move(*problem);
    }
    std::variant<PreparedBeam, Refusal> prepared = Prepare(request);
    if (const auto* refusal = std::get_if<Refusal>(&prepared)) {
        return Lifted<double>(*refusal);
    }
    const PreparedBeam& beam = std::get<PreparedBeam>(prepared);
    const ModelInputs inputs{beam.Conditions, std::get<AttenuationTable>(attenuation),
                             beam.Filters};
    if (const auto* added = std::get_if<AddedFilter>(&varied)) {
        return Answer(MatchHalfValueLayer(inputs, targetMmAl, *added), targetMmAl,
                      AddedFilterSymbol(*added));
    }
    MaterialFile material;
    try {
        material = LoadMaterialFile(std::get<std::filesystem::path>(varied));
    } catch (const MaterialFileError& error) {
        return FileProblemOf(error.Problem());
    }
    return Answer(MatchHalfValueLayer(inputs, targetMmAl, material), targetMmAl, material.Name);
}

}  // namespace tubeline
