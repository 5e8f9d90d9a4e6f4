#pragma once

#include <QWidget>

namespace tubeline {

// The fixed drawing of where the eleven calculation points lie: target, electron beam, focal
// spot, the fan of rays through the filters, the target angle and an emission angle.
class GeometrySchematic : public QWidget {
  public:
    explicit GeometrySchematic(QWidget* parent);

    // Paints the drawing into a square of the given side in pixels.
    static void Paint(QPainter& painter, double side);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tubeline
