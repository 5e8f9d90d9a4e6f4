#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "graph/graph_image_export.h"
#include "main_form_logic_fixture.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

class ComparedRunsTest : public testing::MainFormLogicFixture {
  protected:
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
// Serif), so any change to how a single run is drawn shows here.
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
              "6da5770138de09efa7417fb4ba7e051a5bb1c65496165e4e04ac41bbd410bc7e");
}

}  // namespace
}  // namespace tubeline
