#include "match_command.h"

#include <cmath>

#include "calculator.h"
#include "model/leading_number.h"
#include "model/number_format.h"
#include "texts/messages.h"

namespace tubeline {
namespace {

std::string AddedFilterName(AddedFilter filter) {
    return filter == AddedFilter::Aluminium ? "Al" : "Cu";
}

std::string& FieldOf(ConditionTexts& fields, AddedFilter filter) {
    return filter == AddedFilter::Aluminium ? fields.AluminiumFilter : fields.CopperFilter;
}

std::variant<MatchedFilter, BeamFailure> Outcome(const HalfValueLayerMatch& match, double targetMm,
                                                 const std::string& name) {
    const auto* reached = std::get_if<HalfValueLayerReached>(&match);
    if (!reached) {
        return BeamFailure{HalfValueLayerMatchMessage(match, targetMm, name), kExitUsageOrRejected};
    }
    const double scale = std::pow(10.0, kMatchedThicknessDecimals);
    const double rounded = std::round(reached->ThicknessMm * scale) / scale;
    return MatchedFilter{name, rounded, FormatGeneral(rounded)};
}

}  // namespace

BeamArguments WithoutVariedFilter(BeamArguments beam, const MatchArguments& match) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam.Fields, *added) = "0";
    }
    return beam;
}

std::variant<MatchedFilter, BeamFailure> MatchFilter(const MatchArguments& match,
                                                     const PreparedBeam& beam) {
    const double targetMm = LeadingNumber(match.TargetMm);
    const CalculationState& state = *beam.State;
    const ModelInputs inputs{state.Conditions, state.Attenuation, state.Filters};
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        return Outcome(MatchHalfValueLayer(inputs, targetMm, *added), targetMm,
                       AddedFilterName(*added));
    }
    const std::variant<MaterialFile, FilterRefusal> material =
        ReadFilterMaterial(std::get<std::filesystem::path>(match.Varied));
    if (const auto* refusal = std::get_if<FilterRefusal>(&material)) {
        return FailureOf(*refusal);
    }
    const MaterialFile& read = std::get<MaterialFile>(material);
    return Outcome(MatchHalfValueLayer(inputs, targetMm, read), targetMm, read.Name);
}

BeamArguments WithMatchedFilter(BeamArguments beam, const MatchArguments& match,
                                const MatchedFilter& matched) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam.Fields, *added) = matched.ThicknessText;
    } else {
        beam.Filters.push_back(
            {std::get<std::filesystem::path>(match.Varied), matched.ThicknessText});
    }
    return beam;
}

}  // namespace tubeline
