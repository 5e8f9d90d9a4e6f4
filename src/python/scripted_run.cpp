#include "scripted_run.h"

#include <memory>
#include <string_view>

#include "model/attenuation_table_file.h"
#include "model/filter_slots.h"
#include "model/material_file_reader.h"
#include "model/spectrum_model.h"
#include "texts/messages.h"

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
    return {problem.File, ErrorNumberOf(problem.Cause), Trimmed(MaterialFileMessage(problem))};
}

Refusal RefusalOf(const FilterRefusal& refusal, const std::filesystem::path& materialFile) {
    if (const auto* problem = std::get_if<MaterialFileProblem>(&refusal.Cause)) {
        return FileProblemOf(*problem);
    }
    const std::string message = Trimmed(FilterRefusalMessage(refusal));
    if (refusal.FileRefused()) {
        return ScriptedFileProblem{materialFile, std::nullopt, message};
    }
    return ScriptedRejection{message};
}

// What the window holds when its calculate command runs a model: the attenuation table loaded at
// start, the filters the dialog added, the checked conditions. Nothing when one of them is
// refused.
std::optional<Refusal> Prepare(const ScriptedConditions& request,
                               const AttenuationTable& attenuation, CalculationState& state) {
    state.Attenuation = attenuation;
    for (const ScriptedFilter& filter : request.Filters) {
        if (const auto refusal =
                AddFilterFromFile(state.Filters, filter.MaterialFile, filter.ThicknessMm)) {
            return RefusalOf(*refusal, filter.MaterialFile);
        }
    }
    state.Conditions.ModelChoice = request.Model;
    state.Conditions.Rectification = request.Rectification;
    const CheckedValues checked = CheckConditionValues(request.Values, state.Conditions);
    if (checked.Rejection) {
        return ScriptedRejection{Trimmed(ConditionRejectionMessage(*checked.Rejection))};
    }
    state.Conditions = checked.Conditions;
    return std::nullopt;
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
    return ScriptedRejection{Trimmed(HalfValueLayerMatchMessage(match, targetMmAl, variedFilter))};
}

}  // namespace

std::variant<AttenuationTable, ScriptedFileProblem> LoadScriptedAttenuation(
    const std::filesystem::path& dataFolder) {
    try {
        return LoadAttenuationTable(dataFolder / kAttenuationTableFileName);
    } catch (const AttenuationTableError& error) {
        const AttenuationTableProblem& problem = error.Problem();
        return ScriptedFileProblem{problem.File, ErrorNumberOf(problem.Cause),
                                   Trimmed(AttenuationTableMessage(problem))};
    }
}

ScriptedOutcome<ScriptedRun> RunScripted(const ScriptedConditions& request,
                                         const AttenuationTable& attenuation) {
    const auto state = std::make_unique<CalculationState>();
    if (const auto refusal = Prepare(request, attenuation, *state)) {
        return Lifted<ScriptedRun>(*refusal);
    }
    CapturedBeamQuality captured;
    RunResult run = ComputeChosenModel(*state, {}, captured);
    if (run.Refusal) {
        return ScriptedRejection{Trimmed(RunRefusalMessage(*run.Refusal))};
    }
    const SpectrumTable& spectra = state->Spectra;
    ScriptedRun result{{},
                       ComputeAngleFigures(spectra, state->Attenuation),
                       captured.Texts,
                       std::move(run.TableText)};
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
    const auto state = std::make_unique<CalculationState>();
    if (const auto refusal = Prepare(request, std::get<AttenuationTable>(attenuation), *state)) {
        return Lifted<double>(*refusal);
    }
    const ModelInputs inputs{state->Conditions, state->Attenuation, state->Filters};
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
