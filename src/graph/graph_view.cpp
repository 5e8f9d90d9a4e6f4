#include "graph_view.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

namespace tubeline {

GraphView::GraphView(const GraphCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    setMouseTracking(true);
}

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

void GraphView::mouseMoveEvent(QMouseEvent* event) {
    if (OnPointer) {
        OnPointer(ReadingAt(
            GraphCanvas::ToUnits(event->position() - QPointF(kBorderPixels, kBorderPixels))));
    }
}

void GraphView::leaveEvent(QEvent*) {
    if (OnPointer) {
        OnPointer(std::nullopt);
    }
}

}  // namespace tubeline
