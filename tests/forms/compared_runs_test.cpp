#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "graph/graph_image_export.h"
#include "main_form_logic_fixture.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

class ComparedRunsTest : public testing::MainFormLogicFixture {
  protected:
    // "条件変更", a new tube voltage, "スペクトル計算".
    void CalculateAt(const char* kv) {
        logic_.EditConditions();
        logic_.Fields().TubeVoltage = kv;
        logic_.Calculate();
    }
    std::vector<std::string> Legends() const {
        std::vector<std::string> legends;
        for (const GraphedRun& run : logic_.Graph().ToDraw()) {
            legends.push_back(run.Legend.join(QString()).toStdString());
        }
        return legends;
    }
    // The SHA-256 of the bitmap the graph image dialog would save now.
    std::string SavedBitmapDigest() {
        const std::filesystem::path file = folder_ / "graph.bmp";
        SaveGraphImage(canvas_.Image(), file);
        return QCryptographicHash::hash(QByteArray::fromStdString(testing::ReadBytes(file)),
                                        QCryptographicHash::Sha256)
            .toHex()
            .toStdString();
    }
};

// A graph of one run is the picture the window has always saved. The digests are those of the
// bitmaps saved by the program before it told runs apart (same fonts: Debian 12's Liberation
// Serif; the air coefficients computed from xraylib), so any change to how a single run is drawn
// shows here.
TEST_F(ComparedRunsTest, OneRunIsDrawnAsItAlwaysWas) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    logic_.Calculate();  // the same conditions again draw nothing new
    EXPECT_EQ(SavedBitmapDigest(),
              "e2aaf2283b64da8faa96aeb6484005993b26fdb7acd7ff63091b062a333f64bf");

    // Side curves on and off, and the axis changed while the conditions are open again.
    logic_.ChooseModel(SpectrumModel::Birch);
    logic_.Fields().TubeVoltage = "80";
    logic_.Fields().AluminiumFilter = "1";
    logic_.ChooseRectification(RectificationMode::SinglePhaseFullWave);
    ASSERT_FALSE(logic_.AddFilter(testing::DataFolder() / "Cu.ele", "0.1"));
    logic_.Calculate();
    logic_.ToggleAngle(1);
    logic_.ToggleAngle(11);
    logic_.ToggleAngle(1);
    logic_.EditConditions();
    logic_.ChooseVerticalAxis(VerticalAxis::AirKerma);
    EXPECT_EQ(SavedBitmapDigest(),
              "28e7d0a79a3e1dcf9eb3e831d90252c747550de79c36c4c611a1cba04cee3a8f");
}

// Runs pile up until the graph is cleared, each once and named by its conditions; the angle
// buttons draw the last run's curves, and the oldest run gives way to a seventh.
TEST_F(ComparedRunsTest, RunsPileUpUntilClearedEachNamedOnce) {
    logic_.ChooseModel(SpectrumModel::Tucker);
    logic_.Calculate();
    logic_.ToggleAngle(1);
    CalculateAt("30");
    logic_.Calculate();  // the locked conditions again: the same run
    EXPECT_EQ(Legends(), (std::vector<std::string>{"#1 Tucker 12°、100 kV、定電圧、2.5 mm Al",
                                                   "#2 Tucker 12°、30 kV、定電圧、2.5 mm Al"}));
    EXPECT_EQ(logic_.LastRunPlaceOnGraph(), 2);
    const std::vector<GraphedRun> drawn = logic_.Graph().ToDraw();
    EXPECT_EQ(drawn[0].Angles, (std::vector<int>{6, 1}));
    EXPECT_EQ(drawn[1].Angles, (std::vector<int>{6}));

    // The -10° button acts on the 30 kV run; its mark stays while the 100 kV run's curve does.
    logic_.ToggleAngle(1);
    logic_.ToggleAngle(1);
    EXPECT_EQ(logic_.Graph().ToDraw()[1].Angles, (std::vector<int>{6}));
    EXPECT_TRUE(logic_.Controls().LegendVisible[1]);
    // A run whose every curve is taken off leaves the graph and the legend.
    logic_.ToggleAngle(6);
    EXPECT_EQ(logic_.RunsOnGraph(), 1);
    EXPECT_EQ(logic_.LastRunPlaceOnGraph(), 0);

    for (const char* kv : {"40", "50", "60", "70", "80", "90"}) {
        CalculateAt(kv);
    }
    EXPECT_EQ(logic_.RunsOnGraph(), 6);
    EXPECT_EQ(Legends().front(), "#1 Tucker 12°、40 kV、定電圧、2.5 mm Al");
    EXPECT_EQ(logic_.Controls().GraphNote,
              "グラフで比べられるのは 6 つの計算までのため、最も古い計算を外しました");

    // "Clear" empties the graph; an angle button then draws the last run alone.
    logic_.Clear();
    EXPECT_EQ(logic_.RunsOnGraph(), 0);
    EXPECT_TRUE(logic_.Controls().GraphNote.empty());
    logic_.ToggleAngle(11);
    EXPECT_EQ(Legends(), std::vector<std::string>{"#1 Tucker 12°、90 kV、定電圧、2.5 mm Al"});
    logic_.Reset();
    EXPECT_EQ(logic_.RunsOnGraph(), 0);
}

}  // namespace
}  // namespace tubeline
