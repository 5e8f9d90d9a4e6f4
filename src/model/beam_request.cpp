#include "beam_request.h"

#include <utility>

namespace tubeline {
namespace {

// Adds a requested filter to the slots, or says why not.
std::optional<FilterRefusal> AddRequestedFilter(MaterialFilter& filters,
                                                const FilterRequest& filter,
                                                const MaterialReader& read) {
    const auto* typed = std::get_if<std::string>(&filter.ThicknessMm);
    const std::variant<double, FilterRefusal> thickness =
        typed ? ReadFilterThickness(*typed) : std::get<double>(filter.ThicknessMm);
    if (const auto* refusal = std::get_if<FilterRefusal>(&thickness)) {
        return *refusal;
    }
    return AddFilterFromFile(filters, filter.MaterialFile, std::get<double>(thickness), read);
}

CheckedValues Checked(const BeamRequest& request, const IrradiationConditions& stored) {
    if (const auto* texts = std::get_if<ConditionTexts>(&request.Conditions)) {
        return CheckConditionFields(*texts, stored);
    }
    return CheckConditionValues(std::get<ConditionValues>(request.Conditions), stored);
}

std::variant<OutputValues, OutputRejection> CheckedOutput(const BeamRequest& request) {
    if (const auto* texts = std::get_if<OutputTexts>(&request.Output)) {
        return CheckOutputFields(*texts);
    }
    return CheckOutputValues(std::get<OutputValues>(request.Output));
}

}  // namespace

BeamPreparation PrepareBeam(const BeamRequest& request, const MaterialReader& read) {
    PreparedBeam beam;
    for (const FilterRequest& filter : request.Filters) {
        if (const auto refusal = AddRequestedFilter(beam.Filters, filter, read)) {
            return {std::nullopt, *refusal, static_cast<std::size_t>(beam.Filters.FilterCount)};
        }
    }
    beam.Conditions.ModelChoice = request.Model;
    beam.Conditions.Rectification = request.Rectification;
    const CheckedValues checked = Checked(request, beam.Conditions);
    const std::optional<double> corrected =
        checked.TubeVoltageCorrected ? std::optional(checked.Conditions.TubeVoltage) : std::nullopt;
    if (checked.Rejection) {
        return {corrected, *checked.Rejection};
    }
    beam.Conditions = checked.Conditions;
    const auto output = CheckedOutput(request);
    if (const auto* rejection = std::get_if<OutputRejection>(&output)) {
        return {corrected, *rejection};
    }
    beam.Conditions.Output = std::get<OutputValues>(output);
    return {corrected, std::move(beam)};
}

BeamRun RunBeam(const BeamRequest& request, const AttenuationTable& attenuation,
                const MaterialReader& read) {
    BeamPreparation preparation = PrepareBeam(request, read);
    if (auto* refusal = std::get_if<BeamRefusal>(&preparation.Outcome)) {
        return {preparation.CorrectedTubeVoltageKv, std::move(*refusal),
                preparation.RefusedFilterSlot};
    }
    PreparedBeam& beam = std::get<PreparedBeam>(preparation.Outcome);
    RunOutcome run = ComputeChosenModel({beam.Conditions, attenuation, beam.Filters});
    if (const auto* refusal = std::get_if<RunRefusal>(&run)) {
        return {preparation.CorrectedTubeVoltageKv, *refusal};
    }
    if (auto* refusal = std::get_if<ModelDataRefusal>(&run)) {
        return {preparation.CorrectedTubeVoltageKv, std::move(*refusal)};
    }
    return {preparation.CorrectedTubeVoltageKv,
            ComputedBeam{std::move(beam), std::get<ModelRun>(std::move(run))}};
}

}  // namespace tubeline
