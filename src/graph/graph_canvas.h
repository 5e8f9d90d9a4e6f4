#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace tubeline {

// How a polyline is stroked: solid, or one of the dash patterns that tell compared runs apart.
enum class LineStyle { Solid, Dashed, Dotted, DashDot, LongDash, DashDotDot };

// The graph area's persistent image, drawn in graph units: x from 0 (left) to 6000 (right),
// y from 0 (top) to 2500 (bottom). Whatever is drawn stays until Clear. Image() is the
// 725 x 421 picture that the window shows on an ordinary screen and the image export saves;
// on a screen of more device pixels per pixel, DisplayImage() is the same drawing made at that
// resolution, so that it stays crisp instead of being enlarged.
class GraphCanvas {
  public:
    static constexpr int kWidthPixels = 725;
    static constexpr int kHeightPixels = 421;
    static constexpr double kWidthUnits = 6000;
    static constexpr double kHeightUnits = 2500;

    GraphCanvas();

    void Clear();
    void SetPenWidth(int pixels);
    // Each drawing operation takes a palette colour number.
    void Line(QPointF from, QPointF to, int colour);
    void LineTo(QPointF to, int colour);  // from the current point
    void Rectangle(QPointF corner, QPointF opposite, int colour);
    void FilledRectangle(QPointF corner, QPointF opposite, int colour);
    void Point(QPointF at, int colour);
    // One stroke through the points, so that a dash pattern runs on along it; the last point
    // becomes the current point.
    void Polyline(const std::vector<QPointF>& points, int colour, LineStyle style);
    // Black text in the graph font, the top-left of its first character cell at topLeft.
    void Text(QPointF topLeft, const QString& text);
    // Black text in the legend's smaller font.
    void LegendText(QPointF topLeft, const QString& text);

    // The size of a text in the legend font, and a text shortened with "…" to a width, in
    // graph units.
    static QSizeF LegendTextSize(const QString& text);
    static QString ElidedLegendText(const QString& text, double widthUnits);

    const QImage& Image() const { return exported_.Image; }
    // The drawing at `devicePixelRatio` device pixels per pixel, its ratio set accordingly;
    // Image() itself at a ratio of 1.
    const QImage& DisplayImage(double devicePixelRatio) const;

    // Whole pixel of a point in graph units, and graph units of a point in pixels.
    static QPoint ToPixel(QPointF units);
    static QPointF ToUnits(QPointF pixel);

  private:
    // One drawing operation as given, to be drawn again at another resolution.
    struct Operation {
        enum class Kind {
            PenWidth,
            Line,
            Rectangle,
            FilledRectangle,
            Point,
            Polyline,
            Text,
            LegendText
        };
        Kind What;
        QPointF From{};
        QPointF To{};
        int Value = 0;  // colour, or the pen width
        QString Words{};
        std::vector<QPointF> Points{};
        LineStyle Style = LineStyle::Solid;
    };
    // The drawing at one resolution.
    struct Surface {
        explicit Surface(double scale);
        void Draw(const Operation& operation);
        QPoint Pixel(QPointF units) const;
        double Scale;
        QImage Image;
        QFont Font;
        QFont SmallFont;
        int PenWidth = 1;
    };

    void Apply(Operation operation);

    Surface exported_;
    mutable std::optional<Surface> display_;
    std::vector<Operation> operations_;  // since the last Clear
    QPointF current_;
};

}  // namespace tubeline
