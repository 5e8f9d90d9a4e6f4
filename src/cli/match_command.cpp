#include "match_command.h"

#include "calculator.h"
#include "model/match_request.h"
#include "texts/match_messages.h"

namespace tubeline {
namespace {

std::string& FieldOf(BeamRequest& beam, AddedFilter filter) {
    return TextOf(std::get<ConditionTexts>(beam.Conditions), AddedFilterField(filter));
}

}  // namespace

BeamRequest WithoutVariedFilter(BeamRequest beam, const MatchArguments& match) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam, *added) = "0";
    }
    return beam;
}

std::variant<MatchedFilter, BeamFailure> MatchFilter(const MatchArguments& match,
                                                     const PreparedBeam& start,
                                                     const AttenuationTable& attenuation) {
    const std::variant<double, HalfValueLayerMatchRefused> target =
        ReadTargetHalfValueLayer(match.TargetMm);
    if (const auto* refused = std::get_if<HalfValueLayerMatchRefused>(&target)) {
        return BeamFailure{HalfValueLayerMatchMessage(*refused, 0, {}), kExitUsageOrRejected};
    }
    const double targetMm = std::get<double>(target);
    const std::variant<VariedFilterMatch, FilterRefusal> found =
        MatchVariedFilter({start.Conditions, attenuation, start.Filters}, targetMm, match.Varied);
    if (const auto* refusal = std::get_if<FilterRefusal>(&found)) {
        return FailureOf(*refusal);
    }
    const VariedFilterMatch& matched = std::get<VariedFilterMatch>(found);
    if (!matched.Rounded) {
        const auto* refused = std::get_if<HalfValueLayerMatchRefused>(&matched.Found);
        const bool dataRefused =
            refused && std::holds_alternative<ModelDataRefusal>(refused->Cause);
        return BeamFailure{HalfValueLayerMatchMessage(matched.Found, targetMm, matched.FilterName),
                           dataRefused ? kExitFileError : kExitUsageOrRejected};
    }
    return MatchedFilter{matched.FilterName, matched.Rounded->Text, matched.Rounded->Mm};
}

BeamRequest WithMatchedFilter(BeamRequest beam, const MatchArguments& match,
                              const std::string& thicknessText) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam, *added) = thicknessText;
    } else {
        beam.Filters.push_back({std::get<std::filesystem::path>(match.Varied), thicknessText});
    }
    return beam;
}

}  // namespace tubeline
