#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "half_value_layer_match.h"

namespace tubeline {

// A match as the programs ask for it: the target as typed, the varied filter named by its kind
// or its material file, and the thickness found rounded as people are given it.

// A target typed in mm Al: one number as a whole, or why no search can start. The search itself
// refuses a number that is not finite or not positive.
std::variant<double, HalfValueLayerMatchRefused> ReadTargetHalfValueLayer(std::string_view text);

// A reached thickness as it is given back to people: to 0.001 mm, or finer where the first
// half-value layer of the beam at the rounded thickness would lie further than this from that
// of the matched beam (thin copper and lead change it by up to 0.1 mm Al per 0.001 mm).
inline constexpr int kMatchedThicknessFewestDecimals = 3;
inline constexpr int kMatchedThicknessMostDecimals = 6;
inline constexpr double kMatchedThicknessRoundingMm = 0.001;  // of the half-value layer, mm Al

struct RoundedThickness {
    std::string Text;  // mm, in the general number format
    double Mm = 0;
};

// The filter a match varies: the added aluminium or copper of the conditions, or a filter of a
// material file put after the conditions' own.
using VariedFilter = std::variant<AddedFilter, std::filesystem::path>;

// What matching a varied filter found.
struct VariedFilterMatch {
    std::string FilterName;  // "Al", "Cu" or the material's name, as messages name the filter
    HalfValueLayerMatch Found;
    // For a reached target rounded as asked, the thickness rounded to the fewest decimals, from
    // kMatchedThicknessFewestDecimals up to kMatchedThicknessMostDecimals, that keep the layer of
    // a run at the rounded thickness within kMatchedThicknessRoundingMm of the reached one.
    std::optional<RoundedThickness> Rounded;
};

// Whether a reached thickness is also rounded (up to three more runs): the programs that show
// it to people want it; a script takes the thickness as found.
enum class MatchedThicknessRounding { Rounded, AsFound };

// The match of every program: a material file is read and refused as a filter's is, then the
// thickness is searched and a reached one rounded.
std::variant<VariedFilterMatch, FilterRefusal> MatchVariedFilter(
    const ModelInputs& inputs, double targetMm, const VariedFilter& varied,
    MatchedThicknessRounding rounding = MatchedThicknessRounding::Rounded);

}  // namespace tubeline
