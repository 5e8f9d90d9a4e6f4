#pragma once

#include <QWidget>

#include "graph_canvas.h"

namespace tubeline {

// The graph area on the main window: the canvas image 1:1 inside a sunken 2-pixel border, drawn
// at the screen's device pixel ratio.
class GraphView : public QWidget {
  public:
    static constexpr int kBorderPixels = 2;

    GraphView(const GraphCanvas& canvas, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const GraphCanvas& canvas_;
};

}  // namespace tubeline
