#include "beam_run.h"

#include <utility>

#include "calculator.h"
#include "model/waveform.h"
#include "texts/messages.h"

namespace tubeline {

std::optional<RectificationMode> RectificationNumbered(std::string_view number) {
    return number.size() == 1 ? RectificationFromNumber(number[0] - '0') : std::nullopt;
}

BeamFailure FailureOf(const FilterRefusal& refusal) {
    return {FilterRefusalMessage(refusal),
            refusal.FileRefused() ? kExitFileError : kExitUsageOrRejected};
}

BeamPreparation PrepareBeam(const BeamArguments& arguments, const AttenuationTable& attenuation,
                            const MaterialReader& read) {
    auto state = std::make_unique<CalculationState>();
    state->Attenuation = attenuation;
    for (const FilterArgument& filter : arguments.Filters) {
        if (const auto refusal =
                AddFilterFromFile(state->Filters, filter.MaterialFile, filter.Thickness, read)) {
            return {std::nullopt, FailureOf(*refusal)};
        }
    }
    state->Conditions.ModelChoice = arguments.ModelChoice;
    state->Conditions.Rectification = arguments.Rectification;

    const CheckedConditions checked = CheckConditionFields(arguments.Fields, state->Conditions);
    BeamPreparation preparation{std::nullopt, BeamFailure{}};
    if (checked.Texts.TubeVoltage != arguments.Fields.TubeVoltage) {
        preparation.CorrectedTubeVoltage = checked.Texts.TubeVoltage;
    }
    if (checked.Rejection) {
        preparation.Outcome =
            BeamFailure{ConditionRejectionMessage(*checked.Rejection), kExitUsageOrRejected};
        return preparation;
    }
    state->Conditions = checked.Conditions;
    preparation.Outcome = PreparedBeam{arguments, checked.Texts, std::move(state)};
    return preparation;
}

std::variant<ComputedBeam, BeamFailure> RunBeam(PreparedBeam beam, const RunOptions& options) {
    CapturedBeamQuality results;
    RunResult run = ComputeChosenModel(*beam.State, options, results);
    if (run.Refusal) {
        return BeamFailure{RunRefusalMessage(*run.Refusal), kExitUsageOrRejected};
    }
    return ComputedBeam{std::move(beam), std::move(run), results.Texts};
}

}  // namespace tubeline
