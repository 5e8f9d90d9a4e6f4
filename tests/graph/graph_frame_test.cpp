#include "graph/graph_frame.h"

#include <gtest/gtest.h>

#include "graph/palette.h"
#include "model/calculation_state.h"
#include "support/image_probe.h"

namespace tubeline {
namespace {

using testing::CountColour;
using testing::CountInk;

const QColor kBlackColour = PaletteColour(kBlack);
const QColor kGreyColour = PaletteColour(kGrey);

// Pixel regions of the graph's texts.
QRect Region(QPointF topLeftUnits, QPointF bottomRightUnits) {
    return {GraphCanvas::ToPixel(topLeftUnits), GraphCanvas::ToPixel(bottomRightUnits)};
}
const QRect kFirstTitleWord = Region({230, 700}, {980, 890});
const QRect kSecondTitleWord = Region({260, 900}, {980, 1100});
const QRect kRelative = Region({200, 500}, {980, 690});

TEST(PaintGraphFrame, DrawsTheBlackFrameTwoPixelsWide) {
    GraphCanvas canvas;
    PaintGraphFrame(canvas, VerticalAxis::PhotonFluence);
    const QImage& image = canvas.Image();
    const QPoint topLeft = GraphCanvas::ToPixel({1000, 100});
    const QPoint bottomRight = GraphCanvas::ToPixel({5500, 2100});
    // Along each side, midway, exactly two black pixels across the line.
    const int midX = (topLeft.x() + bottomRight.x()) / 2;
    const int midY = (topLeft.y() + bottomRight.y()) / 2;
    EXPECT_EQ(CountColour(image, QRect(midX, topLeft.y() - 3, 1, 7), kBlackColour), 2);
    EXPECT_EQ(CountColour(image, QRect(midX, bottomRight.y() - 3, 1, 7), kBlackColour), 2);
    EXPECT_EQ(CountColour(image, QRect(topLeft.x() - 3, midY, 7, 1), kBlackColour), 2);
    EXPECT_EQ(CountColour(image, QRect(bottomRight.x() - 3, midY, 7, 1), kBlackColour), 2);
    // Nothing drawn above the frame.
    EXPECT_EQ(CountInk(image, QRect(0, 0, 725, topLeft.y() - 2)), 0);
}

TEST(PaintGraphFrame, GridHasFourteenVerticalAndNineHorizontalGreyLines) {
    GraphCanvas canvas;
    PaintGraphFrame(canvas, VerticalAxis::PhotonFluence);
    const QImage& image = canvas.Image();
    const int row = GraphCanvas::ToPixel({0, 1000 + 30}).y();
    const int inner = GraphCanvas::ToPixel({1000, 0}).x() + 3;
    const int innerRight = GraphCanvas::ToPixel({5500, 0}).x() - 3;
    EXPECT_EQ(CountColour(image, QRect(inner, row, innerRight - inner, 1), kGreyColour), 14);
    for (double x = 1300; x <= 5200; x += 300) {
        EXPECT_EQ(image.pixelColor(GraphCanvas::ToPixel({x, 1030})), kGreyColour) << x;
    }
    const int column = GraphCanvas::ToPixel({1150, 0}).x();
    const int top = GraphCanvas::ToPixel({0, 100}).y() + 3;
    const int bottom = GraphCanvas::ToPixel({0, 2100}).y() - 3;
    EXPECT_EQ(CountColour(image, QRect(column, top, 1, bottom - top), kGreyColour), 9);
}

TEST(PaintGraphFrame, AxisTitleFollowsTheMode) {
    struct Case {
        VerticalAxis axis;
        bool secondWord;
    };
    for (const Case& c :
         {Case{VerticalAxis::PhotonFluence, true}, Case{VerticalAxis::AirKerma, false},
          Case{VerticalAxis::EnergyFluence, true}}) {
        GraphCanvas canvas;
        PaintGraphFrame(canvas, c.axis);
        const int mode = static_cast<int>(c.axis);
        EXPECT_GT(CountInk(canvas.Image(), kRelative), 0) << mode;
        EXPECT_GT(CountInk(canvas.Image(), kFirstTitleWord), 0) << mode;
        EXPECT_EQ(CountInk(canvas.Image(), kSecondTitleWord) > 0, c.secondWord) << mode;
    }
    // Energy fluence reads "Relative Energy Fluence" however it was drawn, so a saved picture
    // says what it shows.
    GraphCanvas framed;
    PaintGraphFrame(framed, VerticalAxis::EnergyFluence);
    GraphCanvas repainted;
    PaintGraphFrame(repainted, VerticalAxis::AirKerma);
    RepaintAxisTitle(repainted, VerticalAxis::EnergyFluence);
    EXPECT_EQ(framed.Image(), repainted.Image());
}

TEST(PaintGraphFrame, TwiceIsTheSameAsOnceAndErasesCurves) {
    GraphCanvas once;
    PaintGraphFrame(once, VerticalAxis::AirKerma);
    GraphCanvas twice;
    twice.Line({1200, 300}, {4000, 1500}, 12);
    PaintGraphFrame(twice, VerticalAxis::AirKerma);
    PaintGraphFrame(twice, VerticalAxis::AirKerma);
    EXPECT_EQ(once.Image(), twice.Image());
}

TEST(RepaintAxisTitle, ChangesOnlyTheTitleRegion) {
    GraphCanvas canvas;
    PaintGraphFrame(canvas, VerticalAxis::PhotonFluence);
    canvas.Line({1200, 300}, {4000, 1500}, 12);
    const QImage before = canvas.Image();
    RepaintAxisTitle(canvas, VerticalAxis::EnergyFluence);
    const QImage& after = canvas.Image();
    const QRect title = Region({0, 690}, {980, 1100});
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (!title.contains(x, y)) {
                ASSERT_EQ(before.pixel(x, y), after.pixel(x, y)) << x << ',' << y;
            }
        }
    }
    EXPECT_NE(before.copy(title), after.copy(title));
    EXPECT_GT(CountInk(after, kSecondTitleWord), 0);

    RepaintAxisTitle(canvas, VerticalAxis::AirKerma);
    EXPECT_EQ(CountInk(canvas.Image(), kSecondTitleWord), 0);
    EXPECT_GT(CountInk(canvas.Image(), kFirstTitleWord), 0);
}

}  // namespace
}  // namespace tubeline
