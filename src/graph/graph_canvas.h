#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

namespace tubeline {

// The graph area's persistent image, drawn in graph units: x from 0 (left) to 6000 (right),
// y from 0 (top) to 2500 (bottom). Whatever is drawn stays until Clear; the image is what the
// window shows and what the image export saves.
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

    const QImage& Image() const { return image_; }

    // Whole pixel of a point in graph units.
    static QPoint ToPixel(QPointF units);

  private:
    QImage image_;
    QFont font_;
    int penWidth_ = 1;
    QPointF current_;
};

}  // namespace tubeline
