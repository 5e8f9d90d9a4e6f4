#include "match_command.h"

#include <utility>

#include "calculator.h"
#include "model/half_value_layer_match.h"
#include "texts/messages.h"

namespace tubeline {
namespace {

std::string& FieldOf(BeamRequest& beam, AddedFilter filter) {
    return TextOf(std::get<ConditionTexts>(beam.Conditions), filter == AddedFilter::Aluminium
                                                                 ? ConditionField::AluminiumFilter
                                                                 : ConditionField::CopperFilter);
}

// The first half-value layer of a single run with the varied filter at `thicknessText`.
std::optional<double> HalfValueLayerWith(const MatchArguments& match, const BeamRequest& start,
                                         const AttenuationTable& attenuation,
                                         const std::string& thicknessText) {
    BeamPreparation preparation = PrepareBeam(WithMatchedFilter(start, match, thicknessText));
    if (auto* prepared = std::get_if<PreparedBeam>(&preparation.Outcome)) {
        const auto run = ComputeBeam(std::move(*prepared), attenuation);
        if (const auto* computed = std::get_if<ComputedBeam>(&run)) {
            return computed->Run.Quality.HalfValueLayer;
        }
    }
    return std::nullopt;
}

}  // namespace

BeamRequest WithoutVariedFilter(BeamRequest beam, const MatchArguments& match) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam, *added) = "0";
    }
    return beam;
}

std::variant<MatchedFilter, BeamFailure> MatchFilter(const MatchArguments& match,
                                                     const BeamRequest& start,
                                                     const PreparedBeam& prepared,
                                                     const AttenuationTable& attenuation) {
    const auto failure = [](const HalfValueLayerMatch& found, double targetMm,
                            const std::string& name) {
        return BeamFailure{HalfValueLayerMatchMessage(found, targetMm, name), kExitUsageOrRejected};
    };
    const std::variant<double, HalfValueLayerMatchRefused> target =
        ReadTargetHalfValueLayer(match.TargetMm);
    if (const auto* refused = std::get_if<HalfValueLayerMatchRefused>(&target)) {
        return failure(*refused, 0, {});
    }
    const double targetMm = std::get<double>(target);
    const ModelInputs inputs{prepared.Conditions, attenuation, prepared.Filters};
    std::string name;
    HalfValueLayerMatch found;
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        name = AddedFilterSymbol(*added);
        found = MatchHalfValueLayer(inputs, targetMm, *added);
    } else {
        const std::variant<MaterialFile, FilterRefusal> material =
            ReadFilterMaterial(std::get<std::filesystem::path>(match.Varied));
        if (const auto* refusal = std::get_if<FilterRefusal>(&material)) {
            return FailureOf(*refusal);
        }
        name = std::get<MaterialFile>(material).Name;
        found = MatchHalfValueLayer(inputs, targetMm, std::get<MaterialFile>(material));
    }
    const auto* reached = std::get_if<HalfValueLayerReached>(&found);
    if (!reached) {
        return failure(found, targetMm, name);
    }
    RoundedThickness rounded =
        RoundReachedThickness(*reached, [&](const std::string& thicknessText) {
            return HalfValueLayerWith(match, start, attenuation, thicknessText);
        });
    return MatchedFilter{name, std::move(rounded.Text), rounded.Mm};
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
