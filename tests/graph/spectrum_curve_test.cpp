#include "graph/spectrum_curve.h"

#include <gtest/gtest.h>

#include "graph/graph_frame.h"
#include "graph/graphed_runs.h"
#include "graph/palette.h"
#include "model/spectrum_model.h"
#include "support/image_probe.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::CountColour;
using testing::TuckerBeamState;

const QColor kRed = PaletteColour(12);

SpectrumTable RunAt(double kv) {
    CalculationState state = TuckerBeamState(kv);
    EXPECT_TRUE(testing::Completed(testing::RunModel(state)));
    return state.Spectra;
}

QImage CurveImage(const SpectrumTable& spectra, VerticalAxis mode, int angle, int colour) {
    GraphCanvas canvas;
    PaintGraphFrame(canvas, mode);
    DrawSpectrumCurve(canvas, spectra, mode, angle, colour);
    return canvas.Image();
}

int PixelColumnOf(double keV) {
    return GraphCanvas::ToPixel({1000 + 30 * keV, 0}).x();
}
int PixelRowOf(double relative) {
    return GraphCanvas::ToPixel({0, 2100 - 2000 * relative}).y();
}

TEST(DrawSpectrumCurve, PeakAngleTouchesTheTopAndNothingRisesAbove) {
    const SpectrumTable spectra = RunAt(100);
    for (const VerticalAxis mode :
         {VerticalAxis::PhotonFluence, VerticalAxis::AirKerma, VerticalAxis::EnergyFluence}) {
        for (int angle = 1; angle <= kAngleCount; ++angle) {
            const QImage image = CurveImage(spectra, mode, angle, 12);
            EXPECT_EQ(CountColour(image, QRect(0, 0, 725, PixelRowOf(1) - 1), kRed), 0)
                << "mode " << static_cast<int>(mode) << " angle " << angle;
        }
    }
    // The photon-fluence peak lies at the most cathode-side angle, in the 59.5-keV K line.
    ASSERT_EQ(spectra.AnglePeak[1], spectra.SpectrumPeak);
    const QImage image = CurveImage(spectra, VerticalAxis::PhotonFluence, 1, 12);
    EXPECT_GT(CountColour(image, QRect(PixelColumnOf(59.5) - 2, PixelRowOf(1) - 1, 5, 3), kRed), 0);
}

TEST(DrawSpectrumCurve, CurveStaysOnTheBottomBeyondTheTubeVoltage) {
    const QImage image = CurveImage(RunAt(30), VerticalAxis::PhotonFluence, 6, 12);
    const int bottom = PixelRowOf(0);
    const int beyond = PixelColumnOf(30) + 2;
    EXPECT_EQ(CountColour(image, QRect(beyond, 0, 725 - beyond, bottom - 2), kRed), 0);
    EXPECT_GT(CountColour(image, QRect(PixelColumnOf(10), 0, PixelColumnOf(20), bottom - 2), kRed),
              20);
}

TEST(DrawSpectrumCurve, FirstBinIsNotDrawn) {
    SpectrumTable spectra;
    spectra.PhotonSpectrum[6][1] = 1;    // would stand at the top if it were drawn
    spectra.PhotonSpectrum[6][100] = 1;  // 50 keV
    spectra.SpectrumPeak = 1;
    const QImage image = CurveImage(spectra, VerticalAxis::PhotonFluence, 6, 12);
    EXPECT_EQ(CountColour(image, QRect(PixelColumnOf(0) - 3, PixelRowOf(1) - 2, 6, 40), kRed), 0);
    EXPECT_GT(CountColour(image, QRect(PixelColumnOf(50) - 2, PixelRowOf(1) - 1, 5, 3), kRed), 0);
}

TEST(DrawSpectrumCurve, RedrawingTheSameCurveChangesNothing) {
    const SpectrumTable spectra = RunAt(80);
    GraphCanvas canvas;
    PaintGraphFrame(canvas, VerticalAxis::AirKerma);
    DrawSpectrumCurve(canvas, spectra, VerticalAxis::AirKerma, 4, 5);
    const QImage once = canvas.Image();
    DrawSpectrumCurve(canvas, spectra, VerticalAxis::AirKerma, 4, 5);
    EXPECT_EQ(once, canvas.Image());
    EXPECT_GT(CountColour(once, once.rect(), PaletteColour(5)), 100);
}

// From the second run on, a run's curves keep their angle's colour but are dashed, and a legend
// inside the plot names every run, so that the picture saved tells the runs apart.
TEST(PaintGraphedRuns, LaterRunsAreDashedAndNamedInTheLegend) {
    const auto beam = [](double kv) { return std::make_shared<SpectrumTable>(RunAt(kv)); };
    const auto hard = beam(100);
    const auto soft = beam(30);
    const auto paint = [](const std::vector<GraphedRun>& runs) {
        GraphCanvas canvas;
        PaintGraphedRuns(canvas, VerticalAxis::PhotonFluence, runs);
        return canvas.Image();
    };
    const QImage alone = paint({{soft, {6}, QStringList{QStringLiteral("#1")}}});
    const QImage second = paint({{hard, {11}, QStringList{QStringLiteral("#1 100 kV")}},
                                 {soft, {6}, QStringList{QStringLiteral("#2 30 kV")}}});
    // The soft beam's curve lies left of 30 keV, clear of the hard one's in black.
    const QRect softCurve(PixelColumnOf(0), 0, PixelColumnOf(30) - PixelColumnOf(0), 420);
    const int solid = CountColour(alone, softCurve, kRed);
    const int dashed = CountColour(second, softCurve, kRed);
    EXPECT_GT(dashed, solid / 3);
    EXPECT_LT(dashed, solid * 9 / 10);

    // The legend stands in the upper right, which both curves leave free: its white box hides
    // the grid line at 140 keV, and its words are black.
    const auto region = [](double fromKeV, double toKeV, double top, double bottom) {
        return QRect(PixelColumnOf(fromKeV), PixelRowOf(top),
                     PixelColumnOf(toKeV) - PixelColumnOf(fromKeV),
                     PixelRowOf(bottom) - PixelRowOf(top));
    };
    const QRect gridLine = region(138, 142, 0.95, 0.9);
    const QColor grey = PaletteColour(kGrey);
    EXPECT_GT(CountColour(alone, gridLine, grey), 5);
    EXPECT_EQ(CountColour(second, gridLine, grey), 0);
    const QRect words = region(115, 149, 0.97, 0.86);
    EXPECT_EQ(CountColour(alone, words, Qt::black), 0);
    EXPECT_GT(CountColour(second, words, Qt::black), 30);
}

}  // namespace
}  // namespace tubeline
