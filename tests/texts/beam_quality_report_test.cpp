#include "texts/beam_quality_report.h"

#include "export/export_header.h"
#include "texts/condition_messages.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/filter_slots.h"
#include "model/material_file_reader.h"
#include "support/english_spoken.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

TEST(BeamQualityReport, TsvHasTheScriptedNamesAndEveryDigit) {
    BeamQualityFigures figures;
    figures.HalfValueLayerMm = 0.1 + 0.2;
    figures.MeanEnergyKeV = 48.125;
    figures.FluencePerExposure = 6.780123456789e11;
    figures.WaterToAirKermaRatio = 1.0625;
    AngleFigures angles;
    for (int a = 1; a <= kAngleCount; ++a) {
        angles[a] = figures;
    }
    angles[2].reset();

    const std::vector<std::string> lines = Split(BeamQualityTsv(angles), '\n');
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0],
              "angle_deg\thvl1_mm_al\thvl2_mm_al\thomogeneity_coefficient\thvl1_mm_cu\t"
              "mean_energy_kev\tkerma_weighted_mean_energy_kev\teffective_energy_kev\t"
              "fluence_per_exposure\twater_to_air_kerma_ratio\tsoft_tissue_to_air_kerma_ratio");
    // Absent figures are empty cells, so that a spreadsheet leaves them blank.
    EXPECT_EQ(lines[1], "-10\t0.30000000000000004\t\t\t\t48.125\t0\t\t678012345678.9\t1.0625\t");
    EXPECT_EQ(lines[2], "-8\t\t\t\t\t\t\t\t\t\t");
    EXPECT_EQ(Split(lines[6], '\t')[0], "0");
    EXPECT_EQ(Split(lines[11], '\t')[0], "10");

    // A run with an absolute output has its three columns after the others.
    angles[3]->AirKermaPerMasAt1mMicrogray = 82.5;
    angles[3]->FluencePerMasAt1m = 1.5e6;
    angles[3]->AirKermaPerMasAtDistanceMicrogray = 20.625;
    const std::vector<std::string> absolute = Split(BeamQualityTsv(angles), '\n');
    EXPECT_EQ(absolute[0], lines[0] +
                               "\tair_kerma_ugy_per_mas_at_1m\tfluence_per_mm2_per_mas_at_1m"
                               "\tair_kerma_ugy_per_mas_at_distance");
    EXPECT_EQ(absolute[3], lines[3] + "\t82.5\t1500000\t20.625");
    EXPECT_EQ(absolute[4], lines[4] + "\t\t\t");
}

TEST(BeamQualityReport, AbsentFiguresShowADash) {
    BeamQualityFigures figures;
    figures.HalfValueLayerMm = 3.274;
    figures.FluencePerExposure = 6.78e11;
    figures.SoftTissueToAirKermaRatio = 1.0476;
    const auto cells = DisplayedFigures(figures);
    EXPECT_EQ(cells[0], "3.27");
    EXPECT_EQ(cells[1], "—");
    EXPECT_EQ(cells[7], "6.780E+11");
    EXPECT_EQ(cells[8], "—");
    EXPECT_EQ(cells[9], "1.048");
    for (const std::string& cell : DisplayedFigures(std::nullopt)) {
        EXPECT_EQ(cell, "—");
    }
    // A model without an absolute output shows none.
    for (const std::string& cell : DisplayedAbsoluteOutput(figures)) {
        EXPECT_EQ(cell, "—");
    }
    figures.AirKermaPerMasAt1mMicrogray = 82.556;
    figures.FluencePerMasAt1m = 1.5046e6;
    figures.AirKermaPerMasAtDistanceMicrogray = 20.6;
    EXPECT_EQ(DisplayedAbsoluteOutput(figures),
              (std::array<std::string, kAbsoluteOutputFigureCount>{"82.56", "1.505E+06", "20.60"}));
    EXPECT_EQ(AngleCaption(1), "-10°");
    EXPECT_EQ(AngleCaption(6), "0°");
    EXPECT_EQ(AngleCaption(11), "+10°");
}

TEST(BeamQualityReport, ConditionsInThreeLinesWithTheModel) {
    ExportedRun run;
    run.Conditions = {
        {80, 16, 2.5, 1, 0}, SpectrumModel::Birch, RectificationMode::SinglePhaseFullWave};
    AddFilter(run.Filters, LoadMaterialFile(testing::DataFolder() / "Pb.ele"), 0.1);
    EXPECT_EQ(ConditionSummary(run.Conditions, run.Filters),
              (std::vector<std::string>{
                  "Birch の式　単相全波　管電圧 = 80 kV　ターゲット角度 = 16 度",
                  "固有ろ過 = 2.5 mm Al当量　Al フィルタ = 1 mm　Cu フィルタ = 0 mm",
                  "任意フィルタ　Pb = 0.1 mm"}));
    // In the file's own words, which stay Japanese in every language.
    const std::vector<std::string> header = SpectrumExportHeader(run.Conditions, run.Filters);
    EXPECT_NE(ConditionSummary(run.Conditions, run.Filters)[0].find(header[1]), std::string::npos);
    EXPECT_NE(ConditionSummary(run.Conditions, run.Filters)[1].find(header[3]), std::string::npos);

    // In English the shipped materials and the rectification are named in English too.
    AddFilter(run.Filters, LoadMaterialFile(testing::DataFolder() / "Air.mix"), 950);
    const testing::EnglishSpoken inEnglish;
    const std::vector<std::string> english = ConditionSummary(run.Conditions, run.Filters);
    EXPECT_NE(english[0].find("Single-phase full-wave"), std::string::npos) << english[0];
    EXPECT_NE(english[2].find("Pb = 0.1 mm"), std::string::npos) << english[2];
    EXPECT_NE(english[2].find("Air = 950 mm"), std::string::npos) << english[2];
}

// A model with an absolute output names where it is wanted.
TEST(BeamQualityReport, ThePhysicsModelsConditionsHaveTheDistanceAndOutputFactor) {
    IrradiationConditions conditions{{100, 12, 2.5, 0, 0},
                                     SpectrumModel::Physics,
                                     RectificationMode::ConstantPotential,
                                     {1500, 0.8}};
    EXPECT_EQ(ConditionSummary(conditions, MaterialFilter{})[0],
              "物理モデル　定電圧　管電圧 = 100 kV　ターゲット角度 = 12 度　距離 = 1500 "
              "mm　出力係数 = 0.8");
}

}  // namespace
}  // namespace tubeline
