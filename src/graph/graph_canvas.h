#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

namespace tubeline {

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
    // Black text in the graph font, the top-left of its first character cell at topLeft.
    void Text(QPointF topLeft, const QString& text);

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
        enum class Kind { PenWidth, Line, Rectangle, FilledRectangle, Point, Text };
        Kind What;
        QPointF From, To;
        int Value = 0;  // colour, or the pen width
        QString Words;
    };
    // The drawing at one resolution.
    struct Surface {
        explicit Surface(double scale);
        void Draw(const Operation& operation);
        QPoint Pixel(QPointF units) const;
        double Scale;
        QImage Image;
        QFont Font;
        int PenWidth = 1;
    };

    void Apply(Operation operation);

    Surface exported_;
    mutable std::optional<Surface> display_;
    std::vector<Operation> operations_;  // since the last Clear
    QPointF current_;
};

}  // namespace tubeline
