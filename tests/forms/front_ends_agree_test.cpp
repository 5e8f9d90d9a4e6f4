// The same conditions give the same texts in the window and on the command line: the two result
// figures, the refusals, and the aluminium a match sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/calculator_runs.h"
#include "main_form_logic_fixture.h"
#include "texts/result_texts.h"

namespace tubeline {
namespace {

class FrontEndsAgree : public testing::MainFormLogicFixture {
  protected:
    // The window's calculate on the fields, as the lines tubeline-calc prints or its refusal.
    std::string WindowSays(SpectrumModel model, const ConditionTexts& fields) {
        logic_.ChooseModel(model);
        logic_.Fields() = fields;
        messages_.Warnings.clear();
        logic_.Calculate();
        if (!messages_.Warnings.empty()) {
            return "tubeline-calc: " + messages_.Warnings.back() + "\n";
        }
        const BeamQualityTexts texts{logic_.Controls().HalfValueLayer,
                                     logic_.Controls().FluencePerExposure};
        return HalfValueLayerLine(texts) + "\n" + FluencePerExposureLine(texts) + "\n";
    }

    static std::vector<std::string> Options(const char* model, const ConditionTexts& fields) {
        return {"--model",    model,
                "--kv",       fields.TubeVoltage,
                "--angle",    fields.TargetAngle,
                "--inherent", fields.InherentFiltration,
                "--al",       fields.AluminiumFilter,
                "--cu",       fields.CopperFilter};
    }
};

TEST_F(FrontEndsAgree, ResultsAndRefusalsAreWordedAlike) {
    const struct {
        SpectrumModel model;
        const char* name;
        ConditionTexts fields;
    } cases[] = {
        {SpectrumModel::Tucker, "tucker", {"100", "12", "2.5", "0", "0"}},
        {SpectrumModel::Birch, "birch", {"１２０", "16", "2.5", "1", "0.1"}},
        {SpectrumModel::Tucker, "tucker", {"60", "20", "0.5", "", "0"}},
        {SpectrumModel::Birch, "birch", {"80", "11", "2.5", "0", "0"}},
        {SpectrumModel::Tucker, "tucker", {"80", "12", "2.5", "1,5", "0"}},
        {SpectrumModel::Tucker, "tucker", {"80", "12", "-1", "0", "0"}},
    };
    for (const auto& c : cases) {
        const testing::Outcome calc = testing::Calculate(Options(c.name, c.fields));
        EXPECT_EQ(WindowSays(c.model, c.fields), calc.Code == 0 ? calc.Out : calc.Err)
            << c.fields.TubeVoltage << " kV, angle " << c.fields.TargetAngle;
        logic_.Reset();
    }
}

TEST_F(FrontEndsAgree, AMatchSetsTheAluminiumTubelineCalcPrints) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Fields().CopperFilter = "0.1";
    logic_.Calculate();
    ASSERT_TRUE(logic_.MatchAddedAluminium("6"));
    const testing::Outcome calc = testing::Calculate({"--cu", "0.1", "--match-hvl", "6"});
    ASSERT_EQ(calc.Code, 0) << calc.Err;
    EXPECT_EQ(calc.Out.substr(0, calc.Out.find('\n')),
              "Added Al = " + logic_.Controls().Fields.AluminiumFilter + " mm");
}

}  // namespace
}  // namespace tubeline
