#include "graph_view.h"

#include <qdrawutil.h>
#include <QPainter>

namespace tubeline {

GraphView::GraphView(const GraphCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {}

QSize GraphView::sizeHint() const {
    return {GraphCanvas::kWidthPixels + 2 * kBorderPixels,
            GraphCanvas::kHeightPixels + 2 * kBorderPixels};
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, kBorderPixels);
    // At the screen's own resolution, so that a high-density screen shows it sharp.
    painter.drawImage(QPoint(kBorderPixels, kBorderPixels),
                      canvas_.DisplayImage(devicePixelRatioF()));
}

}  // namespace tubeline
