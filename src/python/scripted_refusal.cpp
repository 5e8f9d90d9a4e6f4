#include "scripted_refusal.h"

#include <cmath>
#include <string>

#include "model/condition_names.h"
#include "texts/file_messages.h"
#include "texts/match_messages.h"
#include "texts/run_messages.h"

namespace tubeline {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

// A number a script gave that the checks found beyond the double range: NaN is not a number at
// all, an infinity is.
std::string OutOfRangeReason(double given) {
    return std::isnan(given) ? "not_a_number" : "beyond_range";
}

std::string ReasonOf(RunRefusal refusal) {
    switch (refusal) {
        case RunRefusal::ZeroSpectra:
            return "no_spectrum";
        case RunRefusal::OutOfRange:
            return "beyond_range";
        case RunRefusal::NoBeamQuality:
            break;
    }
    return "no_beam_quality";
}

std::string ReasonOf(const ConditionRejection& rejection, const ConditionValues& given) {
    using Kind = ConditionRejection::Kind;
    switch (rejection.Reason) {
        case Kind::Empty:
            return "missing";
        case Kind::NotANumber:
            return "not_a_number";
        case Kind::OutOfRange:
            return OutOfRangeReason(ValueOf(given, rejection.Field));
        case Kind::TargetAngleBelowMinimum:
            return "below_minimum";
        case Kind::TargetAngleFromLimit:
            return "not_below_limit";
        case Kind::Negative:
            break;
    }
    return "negative";
}

// The reason of a refusal of what was typed or given for a filter; none for a file refused.
std::string ReasonOf(const FilterRefusal& refusal, const FilterRequest* given) {
    return std::visit(
        Overloaded{
            [](const FilterRefusal::ThicknessMissing&) -> std::string { return "missing"; },
            [](const FilterRefusal::ThicknessNotANumber&) -> std::string { return "not_a_number"; },
            [&](const FilterRefusal::ThicknessOutOfRange&) -> std::string {
                return given ? OutOfRangeReason(ThicknessMmOf(*given)) : "beyond_range";
            },
            [](const FilterRefusal::ThicknessNegative&) -> std::string { return "negative"; },
            [](const FilterRefusal::NoFreeSlot&) -> std::string { return "no_free_slot"; },
            [](const auto&) -> std::string { return {}; },
        },
        refusal.Cause);
}

std::string ReasonOf(const OutputRejection& rejection) {
    using Kind = OutputRejection::Kind;
    switch (rejection.Reason) {
        case Kind::Empty:
            return "missing";
        case Kind::NotANumber:
            return "not_a_number";
        case Kind::OutOfRange:
            return "beyond_range";
        case Kind::NotPositive:
            break;
    }
    return "not_positive";
}

// The script names of the output conditions, as compute takes them.
std::string ScriptNameOf(OutputField field) {
    return field == OutputField::Distance ? "distance_mm" : "output_factor";
}

// The physics model's data files: the file that could not be used, and errno when the system
// refused to read it.
ScriptedFileProblem ScriptedFileProblemOf(const ModelDataRefusal& refusal) {
    const std::string message = ModelDataMessage(refusal);
    return std::visit(
        [&](const auto& problem) {
            const auto* system = std::get_if<FileProblem>(&problem.Cause);
            return ScriptedFileProblem{
                problem.File, system ? std::optional(system->ErrorNumber) : std::nullopt, message};
        },
        refusal.Problem);
}

}  // namespace

ScriptedFileProblem ScriptedFileProblemOf(const FilterRefusal& refusal) {
    const std::string message = FilterRefusalMessage(refusal);
    if (const auto* problem = std::get_if<MaterialFileProblem>(&refusal.Cause)) {
        const auto* system = std::get_if<FileProblem>(&problem->Cause);
        return {problem->File, system ? std::optional(system->ErrorNumber) : std::nullopt, message};
    }
    if (const auto* name = std::get_if<FilterRefusal::NameNotShiftJis>(&refusal.Cause)) {
        return {name->File, std::nullopt, message};
    }
    return {std::get<FilterRefusal::NameLikeFormula>(refusal.Cause).File, std::nullopt, message};
}

ScriptedRefusal ScriptedRefusalOf(const BeamRefusal& refusal, const ScriptedRequest& request,
                                  std::size_t refusedFilterSlot) {
    const std::string message = BeamRefusalMessage(refusal);
    return std::visit(
        Overloaded{
            [&](const ConditionRejection& rejection) -> ScriptedRefusal {
                return ScriptedRejection{message, std::string(ConditionFieldName(rejection.Field)),
                                         ReasonOf(rejection, ValuesOf(request))};
            },
            [&](const FilterRefusal& filter) -> ScriptedRefusal {
                if (filter.FileRefused()) {
                    return ScriptedFileProblemOf(filter);
                }
                const auto& filters = request.Beam.Filters;
                const FilterRequest* given =
                    refusedFilterSlot < filters.size() ? &filters[refusedFilterSlot] : nullptr;
                return ScriptedRejection{message,
                                         "filters[" + std::to_string(refusedFilterSlot) + "]",
                                         ReasonOf(filter, given)};
            },
            [&](RunRefusal run) -> ScriptedRefusal {
                return ScriptedRejection{message, std::nullopt, ReasonOf(run)};
            },
            [&](const ModelDataRefusal& data) -> ScriptedRefusal {
                return ScriptedFileProblemOf(data);
            },
            [&](const OutputRejection& rejection) -> ScriptedRefusal {
                return ScriptedRejection{message, ScriptNameOf(rejection.Field),
                                         ReasonOf(rejection)};
            },
        },
        refusal);
}

ScriptedRejection ScriptedRejectionOf(const HalfValueLayerMatch& match, double targetMmAl,
                                      std::string_view variedFilterName) {
    using Refused = HalfValueLayerMatchRefused;
    const std::string message = HalfValueLayerMatchMessage(match, targetMmAl, variedFilterName);
    const auto onTarget = [&](std::string reason) {
        return ScriptedRejection{message, "target", std::move(reason)};
    };
    const auto onBeam = [&](std::string reason) {
        return ScriptedRejection{message, std::nullopt, std::move(reason)};
    };
    return std::visit(
        Overloaded{
            [&](const HalfValueLayerReached&) { return onTarget({}); },
            [&](const HalfValueLayerBelowUnfiltered&) { return onTarget("below_unfiltered"); },
            [&](const HalfValueLayerBeyondRange&) { return onTarget("not_reached"); },
            [&](const Refused& refused) {
                return std::visit(
                    Overloaded{
                        [&](const Refused::TargetMissing&) { return onTarget("missing"); },
                        [&](const Refused::TargetNotANumber&) { return onTarget("not_a_number"); },
                        [&](const Refused::TargetOutOfRange&) {
                            return onTarget(OutOfRangeReason(targetMmAl));
                        },
                        [&](const Refused::TargetNotPositive&) {
                            return onTarget(std::isnan(targetMmAl) ? "not_a_number"
                                                                   : "not_positive");
                        },
                        [&](const Refused::NoFreeSlot&) {
                            return ScriptedRejection{message, "filters", "no_free_slot"};
                        },
                        [&](const Refused::UnfilteredBeyondSearch&) {
                            return onBeam("unfiltered_beyond_search");
                        },
                        [&](RunRefusal run) { return onBeam(ReasonOf(run)); },
                        [&](const ModelDataRefusal&) { return onBeam("model_data"); },
                    },
                    refused.Cause);
            },
        },
        match);
}

}  // namespace tubeline
