#include "spectrum_curve.h"

#include "palette.h"
#include "plot_geometry.h"

namespace tubeline {
namespace {

constexpr double kUnitsPerBin = kEnergyStepKeV * kUnitsPerKeV;
constexpr double kHalfBin = kUnitsPerBin / 2;

}  // namespace

double CurveHeight(const SpectrumTable& spectra, VerticalAxis verticalAxis, int angleIndex,
                   int energyIndex) {
    const int a = angleIndex;
    const int i = energyIndex;
    switch (verticalAxis) {
        case VerticalAxis::PhotonFluence:
            return kPlotBottom -
                   spectra.PhotonSpectrum[a][i] * kUnitsPerRelative / spectra.SpectrumPeak;
        case VerticalAxis::EnergyFluence:
            return kPlotBottom - kUnitsPerRelative * spectra.EnergyFluenceSpectrum[a][i];
        case VerticalAxis::AirKerma:
            break;
    }
    return kPlotBottom - kUnitsPerRelative * spectra.KermaSpectrum[a][i];
}

void DrawSpectrumCurve(GraphCanvas& canvas, const SpectrumTable& spectra, VerticalAxis verticalAxis,
                       int angleIndex, int colour) {
    canvas.SetPenWidth(2);
    canvas.Point({kPlotLeft, kPlotBottom}, kBlack);
    for (int i = 2; i <= kEnergyBinCount; ++i) {
        const double y = CurveHeight(spectra, verticalAxis, angleIndex, i);
        canvas.LineTo({kPlotLeft + kUnitsPerBin * (i - 1) + kHalfBin, y}, colour);
        canvas.LineTo({kPlotLeft + kUnitsPerBin * i + kHalfBin, y}, colour);
    }
    canvas.SetPenWidth(2);
    canvas.Rectangle(kPlotTopLeft, kPlotBottomRight, kBlack);
}

}  // namespace tubeline
