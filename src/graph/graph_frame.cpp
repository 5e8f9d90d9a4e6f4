#include "graph_frame.h"

#include "palette.h"
#include "plot_geometry.h"

namespace tubeline {
namespace {

constexpr double kGridEveryTenKeV = 10 * kUnitsPerKeV;
constexpr double kGridEveryTenth = kUnitsPerRelative / 10;
constexpr QPointF kTitleFirstWord{230, 700};
constexpr QPointF kTitleSecondWord{260, 900};

// The mode-dependent words of the vertical-axis title, under "Relative".
void WriteAxisTitle(GraphCanvas& canvas, VerticalAxis verticalAxis) {
    switch (verticalAxis) {
        case VerticalAxis::PhotonFluence:
            canvas.Text(kTitleFirstWord, QStringLiteral("Photon"));
            canvas.Text(kTitleSecondWord, QStringLiteral("Fluence"));
            break;
        case VerticalAxis::AirKerma:
            canvas.Text(kTitleFirstWord, QStringLiteral("Air kerma"));
            break;
        case VerticalAxis::EnergyFluence:
            canvas.Text(kTitleFirstWord, QStringLiteral("Energy"));
            canvas.Text(kTitleSecondWord, QStringLiteral("Fluence"));
            break;
    }
}

}  // namespace

void PaintGraphFrame(GraphCanvas& canvas, VerticalAxis verticalAxis) {
    canvas.Clear();
    canvas.SetPenWidth(1);
    for (double x = kPlotLeft + kGridEveryTenKeV; x < kPlotRight; x += kGridEveryTenKeV) {
        canvas.Line({x, kPlotTop}, {x, kPlotBottom}, kGrey);
    }
    for (double y = kPlotTop + kGridEveryTenth; y < kPlotBottom; y += kGridEveryTenth) {
        canvas.Line({kPlotLeft, y}, {kPlotRight, y}, kGrey);
    }
    canvas.Text({1000, 2120}, QStringLiteral("0"));
    canvas.Text({2450, 2120}, QStringLiteral("50"));
    canvas.Text({3900, 2120}, QStringLiteral("100"));
    canvas.Text({5400, 2120}, QStringLiteral("150"));
    canvas.Text({3750, 2250}, QStringLiteral("Photon energy in keV"));
    canvas.Text({200, 500}, QStringLiteral("Relative"));
    WriteAxisTitle(canvas, verticalAxis);
    canvas.SetPenWidth(2);
    canvas.Rectangle(kPlotTopLeft, kPlotBottomRight, kBlack);
}

void RepaintAxisTitle(GraphCanvas& canvas, VerticalAxis verticalAxis) {
    canvas.FilledRectangle({0, 690}, {980, 1100}, kWhite);
    WriteAxisTitle(canvas, verticalAxis);
}

}  // namespace tubeline
