#include "match_command.h"

#include <cmath>

#include "calculator.h"
#include "model/leading_number.h"
#include "model/number_format.h"
#include "texts/messages.h"

namespace tubeline {
namespace {

std::string& FieldOf(ConditionTexts& fields, AddedFilter filter) {
    return filter == AddedFilter::Aluminium ? fields.AluminiumFilter : fields.CopperFilter;
}

// The first half-value layer of a single run with the varied filter at `thicknessText`.
std::optional<double> HalfValueLayerWith(const MatchArguments& match, const PreparedBeam& start,
                                         const std::string& thicknessText) {
    BeamPreparation preparation =
        PrepareBeam(WithMatchedFilter(start.Arguments, match, thicknessText),
                    start.State->Attenuation, LoadMaterialFile);
    if (auto* prepared = std::get_if<PreparedBeam>(&preparation.Outcome)) {
        const auto run = RunBeam(std::move(*prepared), {});
        if (const auto* computed = std::get_if<ComputedBeam>(&run)) {
            return computed->Beam.State->Quality.HalfValueLayer;
        }
    }
    return std::nullopt;
}

// The reached thickness, rounded to the fewest decimals that keep the beam's first half-value
// layer within kMatchedThicknessRoundingMm of the matched beam's.
std::string RoundedThickness(const MatchArguments& match, const PreparedBeam& start,
                             const HalfValueLayerReached& reached) {
    for (int decimals = kMatchedThicknessFewestDecimals;; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const std::string text = FormatGeneral(std::round(reached.ThicknessMm * scale) / scale);
        if (decimals == kMatchedThicknessMostDecimals) {
            return text;
        }
        const std::optional<double> layer = HalfValueLayerWith(match, start, text);
        if (layer &&
            std::fabs(*layer - *reached.Figures.HalfValueLayerMm) <= kMatchedThicknessRoundingMm) {
            return text;
        }
    }
}

std::variant<MatchedFilter, BeamFailure> Outcome(const MatchArguments& match,
                                                 const PreparedBeam& start,
                                                 const HalfValueLayerMatch& found, double targetMm,
                                                 const std::string& name) {
    const auto* reached = std::get_if<HalfValueLayerReached>(&found);
    if (!reached) {
        return BeamFailure{HalfValueLayerMatchMessage(found, targetMm, name), kExitUsageOrRejected};
    }
    const std::string thickness = RoundedThickness(match, start, *reached);
    return MatchedFilter{name, thickness, LeadingNumber(thickness)};
}

}  // namespace

BeamArguments WithoutVariedFilter(BeamArguments beam, const MatchArguments& match) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam.Fields, *added) = "0";
    }
    return beam;
}

std::variant<MatchedFilter, BeamFailure> MatchFilter(const MatchArguments& match,
                                                     const PreparedBeam& start) {
    const double targetMm = LeadingNumber(match.TargetMm);
    const CalculationState& state = *start.State;
    const ModelInputs inputs{state.Conditions, state.Attenuation, state.Filters};
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        return Outcome(match, start, MatchHalfValueLayer(inputs, targetMm, *added), targetMm,
                       std::string(AddedFilterSymbol(*added)));
    }
    const std::variant<MaterialFile, FilterRefusal> material =
        ReadFilterMaterial(std::get<std::filesystem::path>(match.Varied));
    if (const auto* refusal = std::get_if<FilterRefusal>(&material)) {
        return FailureOf(*refusal);
    }
    const MaterialFile& read = std::get<MaterialFile>(material);
    return Outcome(match, start, MatchHalfValueLayer(inputs, targetMm, read), targetMm, read.Name);
}

BeamArguments WithMatchedFilter(BeamArguments beam, const MatchArguments& match,
                                const std::string& thicknessText) {
    if (const auto* added = std::get_if<AddedFilter>(&match.Varied)) {
        FieldOf(beam.Fields, *added) = thicknessText;
    } else {
        beam.Filters.push_back({std::get<std::filesystem::path>(match.Varied), thicknessText});
    }
    return beam;
}

}  // namespace tubeline
