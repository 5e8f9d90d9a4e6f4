#include "export/export_header.h"

#include <gtest/gtest.h>

#include "model/filter_slots.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using Lines = std::vector<std::string>;

// The conditions as the calculate command stores them.
IrradiationConditions TuckerDefaults() {
    return {{100, 12, 2.5, 0, 0}, SpectrumModel::Tucker, RectificationMode::ConstantPotential};
}

TEST(SpectrumExportHeader, DefaultConditionsWithoutArbitraryFilters) {
    EXPECT_EQ(
        SpectrumExportHeader(TuckerDefaults(), {}),
        (Lines{"定電圧", "管電圧 = 100 kV", "ターゲット角度 = 12 度", "固有ろ過 = 2.5 mm Al当量",
               "Al フィルタ = 0 mm", "Cu フィルタ = 0 mm", "任意フィルタ (-)", ""}));
}

TEST(SpectrumExportHeader, NumbersComeBackAsTyped) {
    const IrradiationConditions conditions{{87.5, 16.25, 1.2, 0.3, 0.05},
                                           SpectrumModel::Birch,
                                           RectificationMode::ThreePhaseTwelvePulse};
    const Lines header = SpectrumExportHeader(conditions, {});
    EXPECT_EQ(header[0], "三相12ピーク");
    EXPECT_EQ(header[1], "管電圧 = 87.5 kV");
    EXPECT_EQ(header[2], "ターゲット角度 = 16.25 度");
    EXPECT_EQ(header[3], "固有ろ過 = 1.2 mm Al当量");
    EXPECT_EQ(header[4], "Al フィルタ = 0.3 mm");
    EXPECT_EQ(header[5], "Cu フィルタ = 0.05 mm");
}

// Only an absolute spectrum says where its air kerma was wanted.
TEST(SpectrumExportHeader, ThePhysicsModelAddsItsDistanceAndOutputFactor) {
    IrradiationConditions conditions = TuckerDefaults();
    conditions.Output = {1500, 0.8};
    const Lines relative = SpectrumExportHeader(conditions, {});
    conditions.ModelChoice = SpectrumModel::Physics;
    Lines absolute = SpectrumExportHeader(conditions, {});
    ASSERT_EQ(absolute.size(), relative.size() + 2);
    EXPECT_EQ(absolute[6], "距離 = 1500 mm");
    EXPECT_EQ(absolute[7], "出力係数 = 0.8");
    absolute.erase(absolute.begin() + 6, absolute.begin() + 8);
    EXPECT_EQ(absolute, relative);
}

TEST(SpectrumExportHeader, RectificationNames) {
    IrradiationConditions conditions = TuckerDefaults();
    EXPECT_EQ(SpectrumExportHeader(conditions, {})[0], "定電圧");
    conditions.Rectification = RectificationMode::ThreePhaseTwelvePulse;
    EXPECT_EQ(SpectrumExportHeader(conditions, {})[0], "三相12ピーク");
    conditions.Rectification = RectificationMode::SinglePhaseFullWave;
    EXPECT_EQ(SpectrumExportHeader(conditions, {})[0], "単相全波");
}

TEST(SpectrumExportHeader, OneLinePerFilterInUse) {
    MaterialFilter filters;
    AddFilter(filters, LoadMaterialFile(testing::DataFolder() / "Pb.ele"), 0.1);
    AddFilter(filters, LoadMaterialFile(testing::DataFolder() / "Water.mix"), 10);
    // A stale third slot, left from before a release, is not listed.
    filters.FilterName[3] = "Sn";
    filters.FilterThickness[3] = 1;
    const Lines header = SpectrumExportHeader(TuckerDefaults(), filters);
    ASSERT_EQ(header.size(), 10u);
    EXPECT_EQ(header[6], "任意フィルタ");
    EXPECT_EQ(header[7], "Pb = 0.1 mm");
    EXPECT_EQ(header[8], "水 = 10 mm");
    EXPECT_EQ(header[9], "");
}

}  // namespace
}  // namespace tubeline
