#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "graph_canvas.h"
#include "plot_geometry.h"

namespace tubeline {

// The graph area on the main window: the canvas image 1:1 inside a sunken 2-pixel border, drawn
// at the screen's device pixel ratio.
class GraphView : public QWidget {
  public:
    static constexpr int kBorderPixels = 2;

    GraphView(const GraphCanvas& canvas, QWidget* parent);
    QSize sizeHint() const override;

    // What the plot reads under the pointer as it moves; nothing once it leaves the plot.
    std::function<void(std::optional<PlotReading>)> OnPointer;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const GraphCanvas& canvas_;
};

}  // namespace tubeline
