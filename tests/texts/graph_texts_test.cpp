#include "texts/graph_texts.h"

#include <gtest/gtest.h>

#include "model/filter_slots.h"
#include "support/english_spoken.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

// The legend names a run by everything that makes its beam: model and target angle, tube
// voltage, rectification and each layer of filtration in mm, the added ones only where set.
TEST(RunLegendText, NamesTheBeamInShort) {
    using Pieces = std::vector<std::string>;
    IrradiationConditions plain{
        {100, 12, 2.5, 0, 0}, SpectrumModel::Tucker, RectificationMode::ConstantPotential};
    EXPECT_EQ(RunLegendText(1, plain, MaterialFilter{}),
              Pieces{"#1 Tucker 12°、100 kV、定電圧、2.5 mm Al"});
    // A beam compared on the page is named the same, without a place.
    IrradiationConditions physics = plain;
    physics.ModelChoice = SpectrumModel::Physics;
    EXPECT_EQ(BeamInShort(physics, MaterialFilter{}),
              Pieces{"Physics 12°、100 kV、定電圧、2.5 mm Al"});

    // A long entry may go on on a new line between two layers.
    const IrradiationConditions filtered{
        {80, 16, 2.5, 1, 0.1}, SpectrumModel::Birch, RectificationMode::SinglePhaseFullWave};
    MaterialFilter filters;
    ASSERT_FALSE(AddFilterFromFile(filters, testing::DataFolder() / "Be.ele", "1"));
    ASSERT_FALSE(AddFilterFromFile(filters, testing::DataFolder() / "Water.mix", "10"));
    EXPECT_EQ(RunLegendText(2, filtered, filters),
              (Pieces{"#2 Birch 16°、80 kV、単相全波、2.5 mm Al", " + 1 mm Al", " + 0.1 mm Cu",
                      " + 1 mm Be", " + 10 mm 水"}));
    const testing::EnglishSpoken inEnglish;
    EXPECT_EQ(RunLegendText(2, filtered, filters),
              (Pieces{"#2 Birch 16°, 80 kV, 1-phase, 2.5 mm Al", " + 1 mm Al", " + 0.1 mm Cu",
                      " + 1 mm Be", " + 10 mm Water"}));
}

// Every drawn curve is read at the pointer's energy, named by angle, and by run once the graph
// shows several.
TEST(PointerReadingText, NamesEveryCurveByRunAndAngle) {
    EXPECT_EQ(PointerReadingText(75, {{0, {{6, 0.51249}, {1, 0.25}}}}),
              "75.0 keV の相対値　0° 0.512, -10° 0.250");
    const std::vector<RunReading> two = {{1, {{6, 0.5}, {11, 0.125}}}, {2, {{6, 1}}}};
    EXPECT_EQ(PointerReadingText(59.94, two),
              "59.9 keV の相対値　#1 0° 0.500, +10° 0.125; #2 0° 1.000");
    EXPECT_EQ(PointerReadingText(20, {}), "20.0 keV");
    const testing::EnglishSpoken inEnglish;
    EXPECT_EQ(PointerReadingText(59.94, two, "\n"),
              "At 59.9 keV, relative: #1 0° 0.500, +10° 0.125\n#2 0° 1.000");
}

}  // namespace
}  // namespace tubeline
