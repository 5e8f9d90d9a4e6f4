#include "graph/graph_canvas.h"

#include <gtest/gtest.h>

#include "graph/palette.h"
#include "support/image_probe.h"

namespace tubeline {
namespace {

using testing::CountColour;
using testing::CountInk;

TEST(GraphCanvas, MapsGraphUnitsOntoTheImage) {
    EXPECT_EQ(GraphCanvas::ToPixel({0, 0}), QPoint(0, 0));
    EXPECT_EQ(GraphCanvas::ToPixel({6000, 2500}), QPoint(725, 421));
    EXPECT_EQ(GraphCanvas::ToPixel({1000, 100}), QPoint(121, 17));
    EXPECT_EQ(GraphCanvas::ToPixel({5500, 2100}), QPoint(665, 354));
    const GraphCanvas canvas;
    EXPECT_EQ(canvas.Image().size(), QSize(725, 421));
    EXPECT_EQ(CountInk(canvas.Image(), canvas.Image().rect()), 0);
}

TEST(GraphCanvas, WidePenLinesAreCrispAndExactlyTwoPixels) {
    GraphCanvas canvas;
    canvas.SetPenWidth(2);
    canvas.Line({1000, 1000}, {5000, 1000}, 12);
    const QImage& image = canvas.Image();
    const int column = GraphCanvas::ToPixel({3000, 0}).x();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor colour = image.pixelColor(column, y);
        EXPECT_TRUE(colour == Qt::white || colour == PaletteColour(12)) << "blurred at " << y;
        red += colour == PaletteColour(12) ? 1 : 0;
    }
    EXPECT_EQ(red, 2);
}

TEST(GraphCanvas, LinesContinueFromTheCurrentPoint) {
    GraphCanvas canvas;
    canvas.SetPenWidth(1);
    canvas.Point({600, 600}, kBlack);
    canvas.LineTo({600, 1800}, 9);
    canvas.LineTo({3000, 1800}, 9);
    const QPoint corner = GraphCanvas::ToPixel({600, 1800});
    EXPECT_EQ(canvas.Image().pixelColor(corner), PaletteColour(9));
    EXPECT_GT(
        CountColour(canvas.Image(), QRect(corner.x() + 5, corner.y(), 100, 1), PaletteColour(9)),
        90);
}

TEST(GraphCanvas, FilledRectangleAndClear) {
    GraphCanvas canvas;
    canvas.FilledRectangle({0, 0}, {600, 250}, 1);
    EXPECT_EQ(CountColour(canvas.Image(), QRect(0, 0, 72, 42), PaletteColour(1)), 72 * 42);
    canvas.Text({2000, 1000}, QStringLiteral("Photon"));
    EXPECT_GT(CountInk(canvas.Image(), QRect(240, 166, 120, 30)), 20);
    canvas.Clear();
    EXPECT_EQ(CountInk(canvas.Image(), canvas.Image().rect()), 0);
}

}  // namespace
}  // namespace tubeline
