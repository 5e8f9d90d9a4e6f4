#include "geometry_schematic.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

#include "ui/form_widgets.h"

namespace tubeline {
namespace {

// The drawing is laid out on a 470-unit square and scaled to the widget.
constexpr double kDesignSide = 470;
constexpr QPointF kFocalSpot{235, 118};
constexpr double kPointsLineY = 428;
constexpr double kDrawnTargetAngle = 24;  // degrees; wider than real targets, for legibility
constexpr double kRayStepDegrees = 2;

QPointF Along(QPointF from, double degreesFromDown, double length) {
    const double radians = qDegreesToRadians(degreesFromDown);
    return from + QPointF(std::sin(radians) * length, std::cos(radians) * length);
}

// Where a ray at this angle from the central ray meets the line of calculation points.
QPointF RayEnd(double degrees) {
    const double depth = kPointsLineY - kFocalSpot.y();
    return {kFocalSpot.x() + depth * std::tan(qDegreesToRadians(degrees)), kPointsLineY};
}

void DrawArc(QPainter& painter, double radius, double fromDegrees, double toDegrees) {
    // Qt measures arcs anticlockwise from 3 o'clock; "down" is -90 degrees there.
    const QRectF box(kFocalSpot.x() - radius, kFocalSpot.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(box, static_cast<int>((-90 + fromDegrees) * 16),
                    static_cast<int>((toDegrees - fromDegrees) * 16));
}

void DrawTarget(QPainter& painter) {
    const QPointF faceTop = Along(kFocalSpot, kDrawnTargetAngle, -70);
    const QPointF faceBottom = Along(kFocalSpot, kDrawnTargetAngle, 24);
    QPainterPath block;
    block.moveTo(faceTop);
    block.lineTo(faceBottom);
    block.lineTo(420, faceBottom.y());
    block.lineTo(420, 36);
    block.lineTo(faceTop.x(), 36);
    block.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0xd8, 0xd8, 0xd8));
    painter.drawPath(block);
    painter.drawText(QPointF(300, 84),
                     QCoreApplication::translate("GeometrySchematic", "ターゲット"));

    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(faceBottom, Along(kFocalSpot, kDrawnTargetAngle, 230));
}

void DrawElectronBeam(QPainter& painter) {
    const QPointF start(50, kFocalSpot.y());
    const QPointF tip(kFocalSpot.x() - 10, kFocalSpot.y());
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(start, tip);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-10, -5));
    head.lineTo(tip + QPointF(-10, 5));
    head.closeSubpath();
    painter.setBrush(Qt::black);
    painter.drawPath(head);
    painter.drawText(QPointF(90, kFocalSpot.y() - 10),
                     QCoreApplication::translate("GeometrySchematic", "電子"));
}

void DrawFiltersAndRays(QPainter& painter) {
    struct Bar {
        double Y;
        const char* Caption;
    };
    for (const Bar& bar : {Bar{172, QT_TRANSLATE_NOOP("GeometrySchematic", "固有ろ過")},
                           Bar{200, QT_TRANSLATE_NOOP("GeometrySchematic", "付加フィルタ")}}) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(0xa0, 0xc8, 0xff));
        painter.drawRect(QRectF(150, bar.Y, 170, 9));
        painter.drawText(QPointF(40, bar.Y + 9),
                         QCoreApplication::translate("GeometrySchematic", bar.Caption));
    }
    painter.setPen(QPen(QColor(0xc0, 0, 0), 1));
    for (int k = -5; k <= 5; ++k) {
        painter.drawLine(kFocalSpot, RayEnd(kRayStepDegrees * k));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(kFocalSpot, 3.5, 3.5);
}

void DrawAngles(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    DrawArc(painter, 150, 0, kDrawnTargetAngle);
    painter.drawText(Along(kFocalSpot, kDrawnTargetAngle / 2, 162) + QPointF(-2, 8),
                     QStringLiteral("θ"));
    painter.drawText(Along(kFocalSpot, kDrawnTargetAngle, 160) + QPointF(8, 4),
                     QCoreApplication::translate("GeometrySchematic", "ターゲット角"));
    DrawArc(painter, 250, -10, 0);
    painter.drawText(Along(kFocalSpot, -5, 262) + QPointF(-4, 10), QStringLiteral("φ"));
}

void DrawCalculationPoints(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(110, kPointsLineY), QPointF(360, kPointsLineY));
    painter.setBrush(Qt::white);
    for (int k = -5; k <= 5; ++k) {
        painter.drawEllipse(RayEnd(kRayStepDegrees * k), 4, 4);
    }
    const QFontMetricsF metrics(painter.font());
    const auto centredUnder = [&](double degrees, const QString& text) {
        const QPointF end = RayEnd(degrees);
        painter.drawText(QPointF(end.x() - metrics.horizontalAdvance(text) / 2, end.y() + 22),
                         text);
    };
    centredUnder(-10, QStringLiteral("-10°"));
    centredUnder(0, QStringLiteral("0°"));
    centredUnder(10, QStringLiteral("10°"));
    painter.drawText(QPointF(372, kPointsLineY + 5),
                     QCoreApplication::translate("GeometrySchematic", "計算点"));
}

}  // namespace

GeometrySchematic::GeometrySchematic(QWidget* parent) : QWidget(parent) {
    SetBackground(*this, Qt::white);
}

void GeometrySchematic::Paint(QPainter& painter, double side) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kDesignSide, side / kDesignSide);
    painter.setFont(InterfaceFont(10));
    DrawTarget(painter);
    DrawElectronBeam(painter);
    DrawFiltersAndRays(painter);
    DrawAngles(painter);
    DrawCalculationPoints(painter);
}

void GeometrySchematic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, std::min(width(), height()));
}

}  // namespace tubeline
