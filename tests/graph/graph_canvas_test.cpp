#include "graph/graph_canvas.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <optional>
#include <vector>

#include "graph/graph_view.h"
#include "graph/palette.h"
#include "graph/plot_geometry.h"
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

// Draws a little of everything the frame and the curves use.
void DrawSample(GraphCanvas& canvas) {
    canvas.SetPenWidth(2);
    canvas.Rectangle({1000, 100}, {5500, 2100}, 0);
    canvas.Line({1200, 300}, {4000, 1500}, 12);
    canvas.LineTo({4500, 1500}, 12);
    canvas.FilledRectangle({0, 690}, {980, 1100}, 15);
    canvas.Text({200, 500}, QStringLiteral("Relative"));
}

TEST(GraphCanvas, HighDensityScreensGetTheSameDrawingAtTheirResolution) {
    GraphCanvas plain;
    DrawSample(plain);
    GraphCanvas early;
    const QImage& display = early.DisplayImage(2);
    EXPECT_EQ(display.size(), QSize(1450, 842));
    EXPECT_EQ(display.devicePixelRatio(), 2);
    DrawSample(early);
    GraphCanvas late;
    DrawSample(late);
    // Drawn as the operations come, or all at once when first asked for: the same picture.
    EXPECT_EQ(early.DisplayImage(2), late.DisplayImage(2));
    // The exported picture is the 725 x 421 one, whatever the screen.
    EXPECT_EQ(late.Image(), plain.Image());
    EXPECT_EQ(&late.DisplayImage(1), &late.Image());
    // Lines of twice the width and length: four times the ink, not a blurred copy.
    const QColor red = PaletteColour(12);
    const int plainRed = CountColour(plain.Image(), plain.Image().rect(), red);
    EXPECT_NEAR(CountColour(late.DisplayImage(2), late.DisplayImage(2).rect(), red), 4 * plainRed,
                0.05 * 4 * plainRed);
    late.Clear();
    EXPECT_EQ(CountInk(late.DisplayImage(2), late.DisplayImage(2).rect()), 0);
}

// The pointer over the plot reads the energy and the value there; off the plot, nothing.
TEST(GraphView, ReadsThePlotUnderThePointer) {
    const GraphCanvas canvas;
    GraphView view(canvas, nullptr);
    view.resize(view.sizeHint());
    std::vector<std::optional<PlotReading>> readings;
    view.OnPointer = [&readings](std::optional<PlotReading> reading) {
        readings.push_back(reading);
    };
    const auto moveTo = [&view](QPointF units) {
        const QPoint pixel = GraphCanvas::ToPixel(units) +
                             QPoint(GraphView::kBorderPixels, GraphView::kBorderPixels);
        QMouseEvent move(QEvent::MouseMove, pixel, view.mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
    };
    moveTo({kPlotLeft + 75 * kUnitsPerKeV, kPlotBottom - 0.5 * kUnitsPerRelative});
    moveTo({200, 500});
    ASSERT_EQ(readings.size(), 2u);
    ASSERT_TRUE(readings[0]);
    // One pixel is 8.3 graph units: 0.28 keV across, 0.005 upwards.
    EXPECT_NEAR(readings[0]->EnergyKeV, 75, 0.3);
    EXPECT_NEAR(readings[0]->Relative, 0.5, 0.005);
    EXPECT_FALSE(readings[1]);
}

}  // namespace
}  // namespace tubeline
