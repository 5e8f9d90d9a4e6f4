#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "beam_quality_figures.h"
#include "condition_names.h"
#include "filter_slots.h"
#include "material_file_reader.h"
#include "spectrum_pipeline.h"
#include "spectrum_refusal.h"

namespace tubeline {

// Finding the filter thickness that gives a beam a wanted first half-value layer (mm Al). Every
// trial is a whole model run (the model of Conditions.ModelChoice, as a calculation would run
// it) with the varied thickness in place of the conditions' own; the first half-value layer of
// the beam centre grows with the thickness, so a bracket [0, range limit] is halved until it is
// narrower than kMatchToleranceMm or a trial's layer lies within kMatchToleranceMm of the
// target. A last trial at the linear interpolation inside the final bracket refines it; the
// trial closest to the target is the answer.

// The thickest filter tried, mm.
inline constexpr double kAluminiumMatchLimitMm = 100;
inline constexpr double kCopperMatchLimitMm = 10;
inline constexpr double kMaterialMatchLimitMm = 100;
inline constexpr double kMatchToleranceMm = 0.005;

struct HalfValueLayerReached {
    double ThicknessMm;
    BeamQualityFigures Figures;  // of the beam centre with that filter
};
// The beam is harder than the target already without the varied filter.
struct HalfValueLayerBelowUnfiltered {
    double UnfilteredHalfValueLayerMm;
};
// No thickness up to the range limit reaches the target; the thickest filters may also leave no
// usable spectrum, so the largest layer reached can lie below the limit.
struct HalfValueLayerBeyondRange {
    double LargestHalfValueLayerMm;
    double ThicknessMm;  // where the largest layer was reached
    double RangeLimitMm;
};
// No search: the target is missing, not a number, beyond the double range or not positive, no
// filter slot is free, the beam without the varied filter has a layer beyond the beam quality's
// search, or gives no usable spectrum.
struct HalfValueLayerMatchRefused {
    struct TargetMissing {};
    struct TargetNotANumber {
        std::string Text;
    };
    struct TargetOutOfRange {};
    struct TargetNotPositive {};
    struct NoFreeSlot {};
    struct UnfilteredBeyondSearch {};
    std::variant<TargetMissing, TargetNotANumber, TargetOutOfRange, TargetNotPositive, NoFreeSlot,
                 UnfilteredBeyondSearch, RunRefusal>
        Cause;
};

using HalfValueLayerMatch = std::variant<HalfValueLayerReached, HalfValueLayerBelowUnfiltered,
                                         HalfValueLayerBeyondRange, HalfValueLayerMatchRefused>;

// A target typed in mm Al: one number as a whole, or why no search can start. The search itself
// refuses a number that is not finite or not positive.
std::variant<double, HalfValueLayerMatchRefused> ReadTargetHalfValueLayer(std::string_view text);

// Varies the added aluminium or copper, up to its range limit.
HalfValueLayerMatch MatchHalfValueLayer(const ModelInputs& inputs, double targetMm,
                                        AddedFilter varied);

// Varies the thickness of a filter of `material` put into the first free slot after the
// filters already set (slot FilterCount + 1), up to kMaterialMatchLimitMm.
HalfValueLayerMatch MatchHalfValueLayer(const ModelInputs& inputs, double targetMm,
                                        const MaterialFile& material);

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
