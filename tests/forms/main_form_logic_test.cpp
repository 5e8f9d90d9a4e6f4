#include "forms/main_form_logic.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/number_format.h"
#include "base/number_text.h"
#include "export/spectrum_export.h"
#include "graph/palette.h"
#include "main_form_logic_fixture.h"
#include "support/image_probe.h"
#include "support/test_data.h"
#include "texts/condition_messages.h"
#include "texts/match_messages.h"

namespace tubeline {
namespace {

using testing::CountColour;

class MainFormLogicTest : public testing::MainFormLogicFixture {
  protected:
    const MainFormControls& Controls() const { return logic_.Controls(); }
    MainFormPhase State() const { return logic_.Phase(); }
    int RedPixels() const {
        return CountColour(canvas_.Image(), canvas_.Image().rect(), PaletteColour(12));
    }
    bool TableFileExists() const { return std::filesystem::exists(logic_.TableFile()); }
};

TEST_F(MainFormLogicTest, ChoosingAModelPreparesTheWindowForEditing) {
    logic_.ChooseModel(SpectrumModel::Birch);
    EXPECT_EQ(state_.Conditions.ModelChoice, SpectrumModel::Birch);
    EXPECT_EQ(Controls().Caption, "Diagnostic X-ray Spectrum by the Birch's formula");
    EXPECT_EQ(Controls().ModelCaption, "by Birch");
    EXPECT_EQ(Controls().Fields.TubeVoltage, "100");
    EXPECT_EQ(Controls().Fields.TargetAngle, "16");
    EXPECT_EQ(Controls().Fields.InherentFiltration, "2.5");
    EXPECT_EQ(Controls().Fields.AluminiumFilter, "0");
    EXPECT_EQ(Controls().Fields.CopperFilter, "0");
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_EQ(state_.Conditions.Rectification, RectificationMode::ConstantPotential);
    EXPECT_EQ(logic_.VerticalAxisMode(), VerticalAxis::PhotonFluence);
    for (const bool visible : Controls().LegendVisible) {
        EXPECT_FALSE(visible);
    }

    logic_.ChooseModel(SpectrumModel::Tucker);
    EXPECT_EQ(Controls().Caption, "Diagnostic X-ray Spectrum by the Tucker's formula");
    EXPECT_EQ(Controls().ModelCaption, "by Tucker");
    EXPECT_EQ(Controls().Fields.TargetAngle, "12");
}

TEST_F(MainFormLogicTest, CalculateMovesToComputedAndShowsTheResults) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    // The run's effects in their order: the table file, a pass of events, the central curve,
    // another pass, the figures.
    std::vector<std::string> seen;
    view_.OnEvents = [this, &seen] {
        seen.push_back(std::string(TableFileExists() ? "table" : "no table") +
                       (RedPixels() > 0 ? " curve" : "") +
                       (Controls().HalfValueLayer.empty() ? "" : " figures"));
    };
    logic_.Calculate();
    view_.OnEvents = nullptr;
    EXPECT_EQ(seen, (std::vector<std::string>{"table", "table curve"}));
    EXPECT_TRUE(messages_.Warnings.empty());
    EXPECT_EQ(State(), MainFormPhase::Computed);
    EXPECT_TRUE(Controls().LegendVisible[6]);
    EXPECT_EQ(std::count(Controls().LegendVisible.begin(), Controls().LegendVisible.end(), true),
              1);
    EXPECT_FALSE(Controls().HalfValueLayer.empty());
    EXPECT_FALSE(Controls().FluencePerExposure.empty());
    EXPECT_GT(RedPixels(), 100);
    EXPECT_TRUE(TableFileExists());
    ASSERT_NE(logic_.LastRun(), nullptr);
    EXPECT_EQ(logic_.LastRun()->TableText, testing::ReadBytes(logic_.TableFile()));
    EXPECT_EQ(view_.EventPasses, 2);
    // The beam-quality figures are the run's: the beam centre's layer is the one shown.
    ASSERT_NE(logic_.LastRunFigures(), nullptr);
    const std::optional<BeamQualityFigures>& centre = (*logic_.LastRunFigures())[6];
    ASSERT_TRUE(centre && centre->HalfValueLayerMm);
    EXPECT_EQ(FormatFixed(*centre->HalfValueLayerMm, 2), Controls().HalfValueLayer);

    // Calculating again from Computed recomputes the locked conditions.
    const std::string layer = Controls().HalfValueLayer;
    logic_.Calculate();
    EXPECT_EQ(State(), MainFormPhase::Computed);
    EXPECT_EQ(Controls().HalfValueLayer, layer);
}

TEST_F(MainFormLogicTest, ACorrectedTubeVoltageIsShownAndNoted) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().TubeVoltage = "-80";
    logic_.Calculate();
    EXPECT_EQ(Controls().Fields.TubeVoltage, "30");
    EXPECT_EQ(Controls().ConditionsNote,
              "管電圧は 30 kV に直して計算します（30 から 150 kV まで）");
    EXPECT_EQ(State(), MainFormPhase::Computed);
    logic_.Reset();
    EXPECT_TRUE(Controls().ConditionsNote.empty());
}

// Nothing typed is read as something else: the locked fields never show what was not computed.
TEST_F(MainFormLogicTest, AFieldThatIsNotANumberIsRefusedAndNothingRuns) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().AluminiumFilter = "1,5";
    logic_.Calculate();
    EXPECT_EQ(messages_.Warnings,
              std::vector<std::string>{"アルミ付加フィルタの値「1,5」は数値ではありません"});
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_EQ(Controls().Fields.AluminiumFilter, "1,5");
    EXPECT_FALSE(logic_.HasCompletedRun());
}

// "条件変更": the conditions open with every value and filter; the last run's graph and exports
// stay until the next run.
TEST_F(MainFormLogicTest, EditingConditionsKeepsValuesFiltersAndTheLastRun) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().TubeVoltage = "80";
    ASSERT_FALSE(logic_.AddFilter(testing::DataFolder() / "Be.ele", "1"));
    logic_.Calculate();
    const ExportedRun first = *logic_.LastRun();
    const int red = RedPixels();
    EXPECT_FALSE(logic_.States().Options);

    logic_.EditConditions();
    EXPECT_EQ(State(), MainFormPhase::Revising);
    EXPECT_TRUE(logic_.States().Fields);
    EXPECT_TRUE(logic_.States().Options);
    EXPECT_TRUE(logic_.States().Exports);
    EXPECT_EQ(Controls().Fields.TubeVoltage, "80");
    EXPECT_EQ(state_.Filters.FilterCount, 1);
    EXPECT_EQ(Controls().FilterList.size(), 1u);
    EXPECT_EQ(RedPixels(), red);

    // The same beam as air kerma: the curve is drawn again in the new mode.
    logic_.ChooseVerticalAxis(VerticalAxis::AirKerma);
    EXPECT_GT(RedPixels(), 100);
    EXPECT_NE(RedPixels(), red);
    EXPECT_EQ(SpectrumExportLines(*logic_.LastRun()), SpectrumExportLines(first));

    logic_.Fields().AluminiumFilter = "1";
    logic_.Calculate();
    EXPECT_EQ(State(), MainFormPhase::Computed);
    EXPECT_EQ(logic_.LastRun()->Filters.FilterCount, 1);
    EXPECT_NE(logic_.LastRun()->TableText, first.TableText);
}

TEST_F(MainFormLogicTest, AnAngleButtonPressedAgainTakesItsCurveOff) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    const QImage centralOnly = canvas_.Image();
    logic_.ToggleAngle(1);
    EXPECT_TRUE(Controls().LegendVisible[1]);
    EXPECT_NE(canvas_.Image(), centralOnly);
    logic_.ToggleAngle(1);
    EXPECT_FALSE(Controls().LegendVisible[1]);
    EXPECT_EQ(canvas_.Image(), centralOnly);
    logic_.ToggleAngle(kCentralAngleIndex);
    EXPECT_EQ(RedPixels(), 0);
    EXPECT_FALSE(Controls().LegendVisible[kCentralAngleIndex]);
}

TEST_F(MainFormLogicTest, RejectedAngleStaysInEditingAndCorrectsTheFields) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().TubeVoltage = "200";
    logic_.Fields().TargetAngle = "10";
    logic_.Calculate();
    EXPECT_EQ(messages_.Warnings,
              std::vector<std::string>{"ターゲット角度が最小限度 (12度) 以下です"});
    EXPECT_EQ(Controls().Fields.TubeVoltage, "150");
    EXPECT_EQ(Controls().Fields.TargetAngle, "12");
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_FALSE(TableFileExists());
    EXPECT_EQ(RedPixels(), 0);

    for (const char* angle : {"90", "1e999"}) {
        messages_.Warnings.clear();
        logic_.Fields().TargetAngle = angle;
        logic_.Calculate();
        ASSERT_EQ(messages_.Warnings.size(), 1u) << angle;
        EXPECT_EQ(State(), MainFormPhase::Editing);
        EXPECT_EQ(Controls().Fields.TargetAngle, angle);
    }
}

TEST_F(MainFormLogicTest, ResetReturnsToEditingWithDefaultsButKeepsTheAngle) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().TargetAngle = "20";
    logic_.Fields().AluminiumFilter = "1";
    logic_.ChooseRectification(RectificationMode::ThreePhaseTwelvePulse);
    logic_.Calculate();
    logic_.ToggleAngle(2);
    logic_.Reset();
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_EQ(Controls().Fields.TargetAngle, "20");
    EXPECT_EQ(Controls().Fields.AluminiumFilter, "0");
    EXPECT_TRUE(Controls().HalfValueLayer.empty());
    EXPECT_TRUE(Controls().FluencePerExposure.empty());
    EXPECT_EQ(std::count(Controls().LegendVisible.begin(), Controls().LegendVisible.end(), true),
              0);
    EXPECT_EQ(state_.Conditions.Rectification, RectificationMode::ThreePhaseTwelvePulse);
    EXPECT_EQ(RedPixels(), 0);
    EXPECT_TRUE(TableFileExists());
}

TEST_F(MainFormLogicTest, ClearAfterARunLeavesNeitherStateAndAngleButtonsUsable) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    state_.Filters.FilterCount = 2;
    state_.Filters.MuFilter[1].fill(3);
    logic_.Calculate();
    logic_.Clear();
    EXPECT_EQ(State(), MainFormPhase::Cleared);
    EXPECT_TRUE(logic_.States().Fields);
    EXPECT_TRUE(logic_.States().SetFilter);
    EXPECT_TRUE(logic_.States().ReleaseFilters);
    EXPECT_TRUE(logic_.States().AngleButtons);
    EXPECT_FALSE(logic_.States().Options);
    EXPECT_TRUE(logic_.States().Exports);
    EXPECT_EQ(state_.Filters.FilterCount, 0);
    EXPECT_EQ(state_.Filters.MuFilter[1][150], 0);
    EXPECT_EQ(RedPixels(), 0);

    logic_.ToggleAngle(6);
    EXPECT_GT(RedPixels(), 100);
    EXPECT_TRUE(Controls().LegendVisible[6]);

    logic_.Calculate();
    EXPECT_EQ(State(), MainFormPhase::Computed);
}

TEST_F(MainFormLogicTest, BeforeAnyRunClearKeepsTheAngleButtonsDisabled) {
    logic_.ChooseModel(SpectrumModel::Birch);
    logic_.Clear();
    EXPECT_FALSE(logic_.States().AngleButtons);
    const QImage before = canvas_.Image();
    logic_.ToggleAngle(3);
    EXPECT_EQ(before, canvas_.Image());
    EXPECT_FALSE(Controls().LegendVisible[3]);
}

TEST_F(MainFormLogicTest, AngleButtonsDrawInTheirColours) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    for (const auto& [angle, colour] : {std::pair{1, 6}, {5, 13}, {11, 0}, {9, 9}}) {
        const int before =
            CountColour(canvas_.Image(), canvas_.Image().rect(), PaletteColour(colour));
        logic_.ToggleAngle(angle);
        EXPECT_TRUE(Controls().LegendVisible[angle]);
        if (colour != 0) {
            EXPECT_GT(CountColour(canvas_.Image(), canvas_.Image().rect(), PaletteColour(colour)),
                      before + 50)
                << angle;
        }
    }
}

TEST_F(MainFormLogicTest, AxisOptionSetsTheModeAndKeepsTheCurves) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.ChooseVerticalAxis(VerticalAxis::AirKerma);
    EXPECT_EQ(logic_.VerticalAxisMode(), VerticalAxis::AirKerma);
    logic_.Calculate();
    const int red = RedPixels();
    logic_.Reset();
    logic_.ChooseVerticalAxis(VerticalAxis::EnergyFluence);
    EXPECT_EQ(logic_.VerticalAxisMode(), VerticalAxis::EnergyFluence);
    EXPECT_GT(red, 100);
}

TEST_F(MainFormLogicTest, ZeroSpectraShowTheMessageAndKeepTheWindowAsItWas) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().CopperFilter = "1e7";
    logic_.Calculate();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("0 になりました"), std::string::npos);
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_FALSE(logic_.HasCompletedRun());
    EXPECT_FALSE(TableFileExists());
    EXPECT_TRUE(Controls().HalfValueLayer.empty());
}

TEST_F(MainFormLogicTest, UnwritableTableFileIsReportedAfterAComputedRun) {
    CalculationState state;
    state.Attenuation = testing::ShippedAttenuation();
    MainFormLogic logic(state, canvas_, messages_, view_, folder_ / "no such folder");
    logic.ChooseModel(SpectrumModel::Tucker);
    logic.Calculate();
    EXPECT_EQ(logic.Phase(), MainFormPhase::Computed);
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("B_SPCTL.temp を書き込めません"), std::string::npos);
    // The run's own lines are still there to export.
    ASSERT_NE(logic.LastRun(), nullptr);
    EXPECT_EQ(SpectrumExportLines(*logic.LastRun()).size(), 309u);
}

TEST_F(MainFormLogicTest, RemoveOwnTableFileIgnoresAMissingFile) {
    logic_.RemoveOwnTableFile();
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    ASSERT_TRUE(TableFileExists());
    logic_.RemoveOwnTableFile();
    EXPECT_FALSE(TableFileExists());
    logic_.RemoveOwnTableFile();
}

// Invariant: an export's header and rows, and the results shown, belong to one completed run.

TEST_F(MainFormLogicTest, AFilterCannotJoinComputedConditions) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    const ExportedRun before = *logic_.LastRun();
    const std::optional<std::string> refusal =
        logic_.AddFilter(testing::DataFolder() / "Pb.ele", "0.1");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal,
              "計算した条件にはフィルターを追加できません。「リセット」してから設定して下さい");
    EXPECT_EQ(state_.Filters.FilterCount, 0);
    EXPECT_TRUE(Controls().FilterList.empty());
    EXPECT_EQ(SpectrumExportLines(*logic_.LastRun()), SpectrumExportLines(before));

    // After "Clear" the filters are open again, but the export still describes the run.
    logic_.Clear();
    EXPECT_FALSE(logic_.AddFilter(testing::DataFolder() / "Pb.ele", "0.1"));
    EXPECT_EQ(SpectrumExportLines(*logic_.LastRun()), SpectrumExportLines(before));
}

TEST_F(MainFormLogicTest, ARefusedRunLeavesTheLastCompletedRun) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    const ExportedRun before = *logic_.LastRun();
    const AngleFigures figures = *logic_.LastRunFigures();
    const IrradiationConditions conditions = state_.Conditions;
    logic_.Clear();
    logic_.Fields().CopperFilter = "1000000";
    logic_.Calculate();
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_EQ(state_.Conditions.CopperFilter, conditions.CopperFilter);
    const std::vector<std::string> header = SpectrumExportLines(*logic_.LastRun());
    EXPECT_EQ(header[5], "Cu フィルタ = 0 mm");
    EXPECT_EQ(header, SpectrumExportLines(before));
    EXPECT_EQ(testing::ReadBytes(logic_.TableFile()), before.TableText);
    EXPECT_EQ(*logic_.LastRunFigures(), figures);
}

// The physics model's distance and output factor: shown for it alone, refused as tubeline-calc
// refuses them before anything runs, and carried by the run to its export and figures.
TEST_F(MainFormLogicTest, ThePhysicsModelReadsItsDistanceAndOutputFactor) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    EXPECT_FALSE(Controls().OutputShown);
    logic_.OutputFields().DistanceMm = "none";  // hidden, so never read
    logic_.Calculate();
    EXPECT_TRUE(messages_.Warnings.empty());

    logic_.ChooseModel(SpectrumModel::Physics);
    EXPECT_TRUE(Controls().OutputShown);
    EXPECT_EQ(Controls().Caption, ModelTitleOf(SpectrumModel::Physics).Caption);
    EXPECT_EQ(Controls().Fields.TargetAngle, "12");
    EXPECT_EQ(Controls().Output, DefaultOutputTexts());
    logic_.OutputFields().DistanceMm = "0";
    logic_.Calculate();
    EXPECT_EQ(messages_.Warnings,
              std::vector<std::string>{OutputRejectionMessage(
                  {OutputRejection::Kind::NotPositive, OutputField::Distance})});
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_EQ(logic_.LastRun()->Conditions.ModelChoice, SpectrumModel::Tucker) << "nothing ran";

    logic_.OutputFields() = {"1500", "0.8"};
    logic_.Calculate();
    ASSERT_EQ(State(), MainFormPhase::Computed);
    const std::vector<std::string> header = SpectrumExportLines(*logic_.LastRun());
    EXPECT_EQ(header[6], "距離 = 1500 mm");
    EXPECT_EQ(header[7], "出力係数 = 0.8");
    const BeamQualityFigures& centre = *(*logic_.LastRunFigures())[kCentralAngleIndex];
    EXPECT_NEAR(*centre.AirKermaPerMasAtDistanceMicrogray,
                *centre.AirKermaPerMasAt1mMicrogray * 0.8 / (1.5 * 1.5), 1e-9);
    // リセット gives the defaults back.
    logic_.Reset();
    EXPECT_EQ(Controls().Output, DefaultOutputTexts());
}

TEST_F(MainFormLogicTest, CommandsDuringARunAreIgnored) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    const QImage drawn = canvas_.Image();
    const MainFormControls computed = Controls();

    // Every command the operator could give while the run lets events through.
    view_.OnEvents = [this] {
        EXPECT_TRUE(logic_.RunInProgress());
        logic_.Reset();
        logic_.Clear();
        logic_.ReleaseFilters();
        logic_.ToggleAngle(1);
        logic_.ChooseVerticalAxis(VerticalAxis::AirKerma);
        logic_.ChooseRectification(RectificationMode::SinglePhaseFullWave);
        logic_.Calculate();
        EXPECT_TRUE(logic_.AddFilter(testing::DataFolder() / "Pb.ele", "1"));
        EXPECT_FALSE(logic_.MatchAddedAluminium("5"));
    };
    logic_.Calculate();
    EXPECT_FALSE(logic_.RunInProgress());
    EXPECT_EQ(logic_.Phase(), MainFormPhase::Computed);
    EXPECT_EQ(logic_.VerticalAxisMode(), VerticalAxis::PhotonFluence);
    EXPECT_EQ(state_.Conditions.Rectification, RectificationMode::ConstantPotential);
    EXPECT_EQ(state_.Filters.FilterCount, 0);
    EXPECT_EQ(Controls().LegendVisible, computed.LegendVisible);
    EXPECT_EQ(canvas_.Image(), drawn) << "the same curve drawn once more over itself";

    // The guard is released however the run ends.
    view_.OnEvents = [] { throw std::runtime_error("window gone"); };
    EXPECT_THROW(logic_.Calculate(), std::runtime_error);
    EXPECT_FALSE(logic_.RunInProgress());
}

TEST_F(MainFormLogicTest, AMatchedAluminiumIsSetWithTheRunsConditionsAfterAReset) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    EXPECT_FALSE(logic_.MatchAddedAluminium("3")) << "no run to match yet";
    logic_.Fields().TubeVoltage = "80";
    logic_.Fields().AluminiumFilter = "1";
    ASSERT_FALSE(logic_.AddFilter(testing::DataFolder() / "Be.ele", "1"));
    logic_.ChooseRectification(RectificationMode::ThreePhaseTwelvePulse);
    logic_.Calculate();
    // Typing after "Clear" is not what the run computed.
    logic_.Clear();
    logic_.Fields().TubeVoltage = "120";

    const std::optional<AluminiumMatch> match = logic_.MatchAddedAluminium("３．５");
    ASSERT_TRUE(match);
    EXPECT_EQ(match->TargetMm, 3.5);
    const auto* reached = std::get_if<HalfValueLayerReached>(&match->Result);
    ASSERT_NE(reached, nullptr) << match->Result.index();
    EXPECT_EQ(State(), MainFormPhase::Editing);
    EXPECT_TRUE(Controls().HalfValueLayer.empty());
    EXPECT_EQ(RedPixels(), 0);
    EXPECT_EQ(Controls().Fields.TubeVoltage, "80");
    EXPECT_NEAR(ReadNumberText(Controls().Fields.AluminiumFilter).Value, reached->ThicknessMm,
                0.0005);
    EXPECT_EQ(state_.Filters.FilterCount, 1);
    EXPECT_EQ(Controls().FilterList.size(), 1u);
    EXPECT_TRUE(logic_.States().SetFilter);

    logic_.Calculate();
    const std::optional<BeamQualityFigures>& centre = (*logic_.LastRunFigures())[6];
    ASSERT_TRUE(centre && centre->HalfValueLayerMm);
    EXPECT_NEAR(*centre->HalfValueLayerMm, 3.5, 0.01);
    EXPECT_EQ(state_.Conditions.TubeVoltage, 80);
    EXPECT_EQ(state_.Conditions.Rectification, RectificationMode::ThreePhaseTwelvePulse);
}

TEST_F(MainFormLogicTest, ATargetBelowTheUnfilteredLayerChangesNothing) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().AluminiumFilter = "2";
    logic_.Calculate();
    const MainFormControls computed = Controls();
    const ExportedRun run = *logic_.LastRun();

    const std::optional<AluminiumMatch> match = logic_.MatchAddedAluminium("2");
    ASSERT_TRUE(match);
    // The layer without the run's 2 mm of added aluminium is compared, not the one shown.
    const auto* below = std::get_if<HalfValueLayerBelowUnfiltered>(&match->Result);
    ASSERT_NE(below, nullptr);
    EXPECT_GT(below->UnfilteredHalfValueLayerMm, 2);
    EXPECT_LT(below->UnfilteredHalfValueLayerMm, ReadNumberText(computed.HalfValueLayer).Value);
    EXPECT_EQ(State(), MainFormPhase::Computed);
    EXPECT_EQ(Controls().Fields.AluminiumFilter, "2");
    EXPECT_EQ(Controls().HalfValueLayer, computed.HalfValueLayer);
    EXPECT_EQ(SpectrumExportLines(*logic_.LastRun()), SpectrumExportLines(run));

    // A target that is not one number, or beyond the double range, is said to be so.
    for (const auto& [target, message] :
         {std::pair{"0.34.0", "目標の半価層の値「0.34.0」は数値ではありません"},
          std::pair{"1e400", "目標の半価層の値が数値の範囲を超えています"}}) {
        const std::optional<AluminiumMatch> refused = logic_.MatchAddedAluminium(target);
        ASSERT_TRUE(refused);
        EXPECT_EQ(HalfValueLayerMatchMessage(refused->Result, refused->TargetMm, "Al"), message);
    }
    EXPECT_EQ(State(), MainFormPhase::Computed);
}

TEST_F(MainFormLogicTest, TwoProgramsInOneFolderKeepTheirOwnTables) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    const ExportedRun first = *logic_.LastRun();

    CalculationState otherState;
    otherState.Attenuation = testing::ShippedAttenuation();
    GraphCanvas otherCanvas;
    MainFormLogic other(otherState, otherCanvas, messages_, view_, folder_.Path());
    other.ChooseModel(SpectrumModel::Birch);
    other.Fields().TubeVoltage = "60";
    other.Calculate();
    const std::string othersTable = testing::ReadBytes(logic_.TableFile());
    ASSERT_NE(othersTable, first.TableText);

    // The first program still exports its own rows, and its exit leaves the other's table.
    EXPECT_EQ(logic_.LastRun()->TableText, first.TableText);
    logic_.RemoveOwnTableFile();
    EXPECT_EQ(testing::ReadBytes(logic_.TableFile()), othersTable);
    other.RemoveOwnTableFile();
    EXPECT_FALSE(TableFileExists());
}

}  // namespace
}  // namespace tubeline
