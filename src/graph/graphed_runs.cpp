#include "graphed_runs.h"

#include <QRectF>
#include <algorithm>
#include <array>

#include "graph_frame.h"
#include "palette.h"
#include "plot_geometry.h"
#include "spectrum_curve.h"

namespace tubeline {
namespace {

constexpr std::array<LineStyle, kMostGraphedRuns> kRunStyles = {
    LineStyle::Solid,   LineStyle::Dashed,   LineStyle::Dotted,
    LineStyle::DashDot, LineStyle::LongDash, LineStyle::DashDotDot};

// The legend's measures in pixels of the saved picture, turned into graph units.
constexpr double kUnitsAcross = GraphCanvas::kWidthUnits / GraphCanvas::kWidthPixels;
constexpr double kUnitsDown = GraphCanvas::kHeightUnits / GraphCanvas::kHeightPixels;
constexpr double kMarginAcross = 8 * kUnitsAcross;  // between the frame and the legend
constexpr double kMarginDown = 8 * kUnitsDown;
constexpr double kPaddingAcross = 6 * kUnitsAcross;  // inside the legend's box
constexpr double kPaddingDown = 4 * kUnitsDown;
constexpr double kSampleLength = 40 * kUnitsAcross;  // the line drawn in the run's style
constexpr double kSampleGap = 6 * kUnitsAcross;

struct LegendLayout {
    QRectF Box;
    double RowHeight = 0;
    // Each run's lines: its entry broken between pieces where the plot is too narrow for it,
    // and a piece still too wide shortened.
    std::vector<QStringList> Entries;
};

QStringList LegendLines(const QStringList& pieces, double widest) {
    QStringList lines;
    QString line;
    for (const QString& piece : pieces) {
        if (!line.isEmpty() && GraphCanvas::LegendTextSize(line + piece).width() > widest) {
            lines << line;
            line = piece.trimmed();
        } else {
            line += piece;
        }
    }
    lines << line;
    for (QString& each : lines) {
        each = GraphCanvas::ElidedLegendText(each, widest);
    }
    return lines;
}

LegendLayout LayOutLegend(const std::vector<GraphedRun>& runs) {
    LegendLayout layout;
    const double widest = (kPlotRight - kPlotLeft) - 2 * kMarginAcross - 2 * kPaddingAcross -
                          kSampleLength - kSampleGap;
    double textWidth = 0;
    int rows = 0;
    for (const GraphedRun& run : runs) {
        const QStringList lines = LegendLines(run.Legend, widest);
        for (const QString& line : lines) {
            const QSizeF size = GraphCanvas::LegendTextSize(line);
            textWidth = std::max(textWidth, size.width());
            layout.RowHeight = std::max(layout.RowHeight, size.height());
        }
        rows += static_cast<int>(lines.size());
        layout.Entries.push_back(lines);
    }
    layout.Box.setSize({2 * kPaddingAcross + kSampleLength + kSampleGap + textWidth,
                        2 * kPaddingDown + layout.RowHeight * rows});
    return layout;
}

// How many bin points of the drawn curves lie inside the box.
int HiddenPoints(const QRectF& box, VerticalAxis verticalAxis,
                 const std::vector<GraphedRun>& runs) {
    int hidden = 0;
    for (const GraphedRun& run : runs) {
        for (const int angle : run.Angles) {
            for (int i = 2; i <= kEnergyBinCount; ++i) {
                const QPointF point(kPlotLeft + kUnitsPerKeV * PhotonEnergyKeV(i),
                                    CurveHeight(*run.Spectra, verticalAxis, angle, i));
                hidden += box.contains(point) ? 1 : 0;
            }
        }
    }
    return hidden;
}

void DrawLegend(GraphCanvas& canvas, VerticalAxis verticalAxis,
                const std::vector<GraphedRun>& runs) {
    const LegendLayout layout = LayOutLegend(runs);
    QRectF upperRight = layout.Box;
    upperRight.moveTopRight({kPlotRight - kMarginAcross, kPlotTop + kMarginDown});
    QRectF upperLeft = layout.Box;
    upperLeft.moveTopLeft({kPlotLeft + kMarginAcross, kPlotTop + kMarginDown});
    const QRectF box =
        HiddenPoints(upperLeft, verticalAxis, runs) < HiddenPoints(upperRight, verticalAxis, runs)
            ? upperLeft
            : upperRight;

    canvas.SetPenWidth(1);
    canvas.FilledRectangle(box.topLeft(), box.bottomRight(), kWhite);
    canvas.Rectangle(box.topLeft(), box.bottomRight(), kBlack);
    canvas.SetPenWidth(2);
    const double sampleLeft = box.left() + kPaddingAcross;
    const double textLeft = sampleLeft + kSampleLength + kSampleGap;
    double top = box.top() + kPaddingDown;
    for (std::size_t place = 0; place < runs.size(); ++place) {
        const double middle = top + layout.RowHeight / 2;
        canvas.Polyline({{sampleLeft, middle}, {sampleLeft + kSampleLength, middle}}, kBlack,
                        RunLineStyle(place));
        for (const QString& line : layout.Entries[place]) {
            canvas.LegendText({textLeft, top}, line);
            top += layout.RowHeight;
        }
    }
}

}  // namespace

LineStyle RunLineStyle(std::size_t place) {
    return kRunStyles[place % kRunStyles.size()];
}

void PaintGraphedRuns(GraphCanvas& canvas, VerticalAxis verticalAxis,
                      const std::vector<GraphedRun>& runs) {
    PaintGraphFrame(canvas, verticalAxis);
    for (std::size_t place = 0; place < runs.size(); ++place) {
        for (const int angle : runs[place].Angles) {
            DrawSpectrumCurve(canvas, *runs[place].Spectra, verticalAxis, angle,
                              AngleCurveColour(angle), RunLineStyle(place));
        }
    }
    if (runs.size() > 1) {
        DrawLegend(canvas, verticalAxis, runs);
    }
}

}  // namespace tubeline
