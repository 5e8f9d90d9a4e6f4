#include "graph/spectrum_curve.h"

#include <gtest/gtest.h>

#include "graph/graph_frame.h"
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

}  // namespace
}  // namespace tubeline
