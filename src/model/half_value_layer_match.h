#pragma once

#include <optional>
#include <string>
#include <variant>

#include "beam_quality_figures.h"
#include "condition_names.h"
#include "filter_slots.h"
#include "material_file_reader.h"
#include "physics_target_data.h"
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
// search, or gives no usable spectrum, or the model's data cannot be used.
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
                 UnfilteredBeyondSearch, RunRefusal, ModelDataRefusal>
        Cause;
};

using HalfValueLayerMatch = std::variant<HalfValueLayerReached, HalfValueLayerBelowUnfiltered,
                                         HalfValueLayerBeyondRange, HalfValueLayerMatchRefused>;

// Varies the added aluminium or copper, up to its range limit.
HalfValueLayerMatch MatchHalfValueLayer(const ModelInputs& inputs, double targetMm,
                                        AddedFilter varied);

// Varies the thickness of a filter of `material` put into the first free slot after the
// filters already set (slot FilterCount + 1), up to kMaterialMatchLimitMm.
HalfValueLayerMatch MatchHalfValueLayer(const ModelInputs& inputs, double targetMm,
                                        const MaterialFile& material);

// The first half-value layer of the beam centre with the varied filter at one thickness (one
// model run), or nothing when the run gives no figures: what rounding a reached thickness for
// people checks.
std::optional<double> HalfValueLayerWithThickness(const ModelInputs& inputs, AddedFilter varied,
                                                  double thicknessMm);
std::optional<double> HalfValueLayerWithThickness(const ModelInputs& inputs,
                                                  const MaterialFile& material, double thicknessMm);

}  // namespace tubeline
