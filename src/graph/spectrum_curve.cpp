#include "spectrum_curve.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

double RelativeValue(const SpectrumTable& spectra, VerticalAxis verticalAxis, int angleIndex,
                     int energyIndex) {
    const int a = angleIndex;
    const int i = energyIndex;
    switch (verticalAxis) {
        case VerticalAxis::PhotonFluence:
            return spectra.PhotonSpectrum[a][i] / spectra.SpectrumPeak;
        case VerticalAxis::EnergyFluence:
            return spectra.EnergyFluenceSpectrum[a][i];
        case VerticalAxis::AirKerma:
            break;
    }
    return spectra.KermaSpectrum[a][i];
}

int DrawnEnergyIndexAt(double energyKeV) {
    const long nearest = std::lround(energyKeV / kEnergyStepKeV);
    return static_cast<int>(std::clamp<long>(nearest, 2, kEnergyBinCount));
}

void DrawSpectrumCurve(GraphCanvas& canvas, const SpectrumTable& spectra, VerticalAxis verticalAxis,
                       int angleIndex, int colour, LineStyle style) {
    canvas.SetPenWidth(2);
    canvas.Point({kPlotLeft, kPlotBottom}, kBlack);
    if (style == LineStyle::Solid) {
        for (int i = 2; i <= kEnergyBinCount; ++i) {
            const double y = CurveHeight(spectra, verticalAxis, angleIndex, i);
            canvas.LineTo({kPlotLeft + kUnitsPerBin * (i - 1) + kHalfBin, y}, colour);
            canvas.LineTo({kPlotLeft + kUnitsPerBin * i + kHalfBin, y}, colour);
        }
    } else {
        std::vector<QPointF> steps{{kPlotLeft, kPlotBottom}};
        steps.reserve(2 * kEnergyBinCount);
        for (int i = 2; i <= kEnergyBinCount; ++i) {
            const double y = CurveHeight(spectra, verticalAxis, angleIndex, i);
            steps.emplace_back(kPlotLeft + kUnitsPerBin * (i - 1) + kHalfBin, y);
            steps.emplace_back(kPlotLeft + kUnitsPerBin * i + kHalfBin, y);
        }
        canvas.Polyline(steps, colour, style);
    }
    canvas.SetPenWidth(2);
    canvas.Rectangle(kPlotTopLeft, kPlotBottomRight, kBlack);
}

}  // namespace tubeline
