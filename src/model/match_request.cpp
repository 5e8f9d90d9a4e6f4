#include "match_request.h"

#include <cmath>
#include <utility>

#include "base/number_format.h"
#include "base/number_text.h"

namespace tubeline {
namespace {

using Refused = HalfValueLayerMatchRefused;

// A reached thickness rounded as people are given it: the run at the rounded thickness is the
// run a program makes with it typed in.
template <typename Varied>
RoundedThickness Rounded(const ModelInputs& inputs, const Varied& varied,
                         const HalfValueLayerReached& reached) {
    for (int decimals = kMatchedThicknessFewestDecimals;; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const double rounded = std::round(reached.ThicknessMm * scale) / scale;
        std::string text = FormatGeneral(rounded);
        if (decimals == kMatchedThicknessMostDecimals) {
            return {std::move(text), rounded};
        }
        const std::optional<double> layer = HalfValueLayerWithThickness(inputs, varied, rounded);
        if (layer &&
            std::fabs(*layer - *reached.Figures.HalfValueLayerMm) <= kMatchedThicknessRoundingMm) {
            return {std::move(text), rounded};
        }
    }
}

// The search for either kind of varied filter, and the rounding of a reached thickness.
template <typename Varied>
VariedFilterMatch MatchAndRound(const ModelInputs& inputs, double targetMm, const Varied& varied,
                                std::string filterName, MatchedThicknessRounding rounding) {
    VariedFilterMatch match{std::move(filterName), MatchHalfValueLayer(inputs, targetMm, varied),
                            std::nullopt};
    const auto* reached = std::get_if<HalfValueLayerReached>(&match.Found);
    if (reached && rounding == MatchedThicknessRounding::Rounded) {
        match.Rounded = Rounded(inputs, varied, *reached);
    }
    return match;
}

}  // namespace

std::variant<double, HalfValueLayerMatchRefused> ReadTargetHalfValueLayer(std::string_view text) {
    const NumberText target = ReadNumberText(text);
    switch (target.Reading) {
        case NumberText::Kind::Empty:
            return Refused{Refused::TargetMissing{}};
        case NumberText::Kind::NotANumber:
            return Refused{Refused::TargetNotANumber{std::string(text)}};
        case NumberText::Kind::Number:
            break;
    }
    return target.Value;
}

std::variant<VariedFilterMatch, FilterRefusal> MatchVariedFilter(
    const ModelInputs& inputs, double targetMm, const VariedFilter& varied,
    MatchedThicknessRounding rounding) {
    if (const auto* added = std::get_if<AddedFilter>(&varied)) {
        return MatchAndRound(inputs, targetMm, *added, std::string(AddedFilterSymbol(*added)),
                             rounding);
    }
    std::variant<MaterialFile, FilterRefusal> read =
        ReadFilterMaterial(std::get<std::filesystem::path>(varied));
    if (const auto* refusal = std::get_if<FilterRefusal>(&read)) {
        return *refusal;
    }
    const MaterialFile& material = std::get<MaterialFile>(read);
    return MatchAndRound(inputs, targetMm, material, material.Name, rounding);
}

}  // namespace tubeline
