#include "model/half_value_layer_match.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::DataFolder;
using testing::InputsOf;
using testing::TuckerBeamState;

// The first half-value layer a calculation shows for these conditions.
double LayerOf(CalculationState state) {
    EXPECT_TRUE(testing::Completed(testing::RunModel(state)));
    return state.Quality.HalfValueLayer.value_or(NAN);
}

// Checks the match by an ordinary calculation with the thickness found.
void ExpectReached(const HalfValueLayerMatch& match, double targetMm,
                   const CalculationState& withFilter) {
    const auto* reached = std::get_if<HalfValueLayerReached>(&match);
    ASSERT_TRUE(reached);
    const double layer = LayerOf(withFilter);
    EXPECT_EQ(reached->Figures.HalfValueLayerMm, layer);
    EXPECT_NEAR(layer, targetMm, kMatchToleranceMm);
}

TEST(MatchHalfValueLayer, ReachesTheTargetWithEachKindOfFilter) {
    CalculationState state = TuckerBeamState(100);  // 3.26 mm Al without added filters
    state.Conditions.AluminiumFilter = 5;
    state.Conditions.ModelChoice = SpectrumModel::Birch;

    // The added aluminium found replaces the 5 mm already set.
    const auto aluminium = MatchHalfValueLayer(InputsOf(state), 4, AddedFilter::Aluminium);
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerReached>(aluminium));
    const double aluminiumMm = std::get<HalfValueLayerReached>(aluminium).ThicknessMm;
    EXPECT_LT(aluminiumMm, 5);
    CalculationState withAluminium = state;
    withAluminium.Conditions.AluminiumFilter = aluminiumMm;
    ExpectReached(aluminium, 4, withAluminium);

    state.Conditions.AluminiumFilter = 0;
    const auto copper = MatchHalfValueLayer(InputsOf(state), 8.5, AddedFilter::Copper);
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerReached>(copper));
    CalculationState withCopper = state;
    withCopper.Conditions.CopperFilter = std::get<HalfValueLayerReached>(copper).ThicknessMm;
    ExpectReached(copper, 8.5, withCopper);

    // Aluminium from a material file needs about as much as the added aluminium; its
    // coefficients are interpolated from another table.
    const MaterialFile material = LoadMaterialFile(DataFolder() / "Al.ele");
    const auto fromFile = MatchHalfValueLayer(InputsOf(state), 4, material);
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerReached>(fromFile));
    const double fileMm = std::get<HalfValueLayerReached>(fromFile).ThicknessMm;
    EXPECT_NEAR(fileMm, aluminiumMm, 0.05);
    CalculationState withFile = state;
    AddFilter(withFile.Filters, material, fileMm);
    ExpectReached(fromFile, 4, withFile);
}

TEST(MatchHalfValueLayer, TargetBelowTheUnfilteredBeamIsSaid) {
    const CalculationState state = TuckerBeamState(100);
    const auto match = MatchHalfValueLayer(InputsOf(state), 2, AddedFilter::Copper);
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerBelowUnfiltered>(match));
    EXPECT_EQ(std::get<HalfValueLayerBelowUnfiltered>(match).UnfilteredHalfValueLayerMm,
              LayerOf(state));
}

TEST(MatchHalfValueLayer, TargetBeyondTheRangeIsSaid) {
    CalculationState state = TuckerBeamState(60);
    const auto copper = MatchHalfValueLayer(InputsOf(state), 60, AddedFilter::Copper);
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerBeyondRange>(copper));
    const auto& atLimit = std::get<HalfValueLayerBeyondRange>(copper);
    EXPECT_EQ(atLimit.RangeLimitMm, kCopperMatchLimitMm);
    EXPECT_EQ(atLimit.ThicknessMm, kCopperMatchLimitMm);
    CalculationState thickest = state;
    thickest.Conditions.CopperFilter = kCopperMatchLimitMm;
    EXPECT_EQ(atLimit.LargestHalfValueLayerMm, LayerOf(thickest));

    // Below its K edge (69.5 keV) tungsten leaves no photon of a 60-kV beam within 100 mm.
    const auto tungsten =
        MatchHalfValueLayer(InputsOf(state), 20, LoadMaterialFile(DataFolder() / "W.ele"));
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerBeyondRange>(tungsten));
    const auto& vanishing = std::get<HalfValueLayerBeyondRange>(tungsten);
    EXPECT_LT(vanishing.ThicknessMm, kMaterialMatchLimitMm);
    EXPECT_LT(vanishing.LargestHalfValueLayerMm, 20);
    CalculationState thicker = state;
    AddFilter(thicker.Filters, LoadMaterialFile(DataFolder() / "W.ele"),
              vanishing.ThicknessMm + kMatchToleranceMm);
    EXPECT_FALSE(testing::Completed(testing::RunModel(thicker)));
}

TEST(MatchHalfValueLayer, RefusedWithoutASearch) {
    CalculationState state = TuckerBeamState(100);
    const auto isRefused = [&state](double target, AddedFilter varied) {
        return std::holds_alternative<HalfValueLayerMatchRefused>(
            MatchHalfValueLayer(InputsOf(state), target, varied));
    };
    EXPECT_TRUE(isRefused(0, AddedFilter::Aluminium));
    EXPECT_TRUE(isRefused(std::numeric_limits<double>::quiet_NaN(), AddedFilter::Aluminium));

    const MaterialFile lead = LoadMaterialFile(DataFolder() / "Pb.ele");
    for (int slot = 1; slot <= kFilterSlotCount; ++slot) {
        AddFilter(state.Filters, lead, 0);
    }
    EXPECT_TRUE(std::holds_alternative<HalfValueLayerMatchRefused>(
        MatchHalfValueLayer(InputsOf(state), 5, lead)));

    state.Filters = {};
    state.Conditions.CopperFilter = 1e7;  // nothing is left even without added aluminium
    const auto match = MatchHalfValueLayer(InputsOf(state), 5, AddedFilter::Aluminium);
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerMatchRefused>(match));
    EXPECT_EQ(std::get<RunRefusal>(std::get<HalfValueLayerMatchRefused>(match).Cause),
              RunRefusal::ZeroSpectra);
}

}  // namespace
}  // namespace tubeline
