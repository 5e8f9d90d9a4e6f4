#include "start_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tubeline {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 684;
constexpr double kHorizon = 452;
constexpr QPointF kHub{600, 292};
constexpr double kArmReach = 150;

void PaintSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(0x0b, 0x1d, 0x4a));
    sky.setColorAt(0.55, QColor(0x2f, 0x5d, 0x9a));
    sky.setColorAt(0.85, QColor(0xe8, 0x9a, 0x6a));
    sky.setColorAt(1.0, QColor(0xf6, 0xd0, 0x8c));
    painter.fillRect(QRectF(0, 0, kWidth, kHorizon), sky);
}

void PaintHills(QPainter& painter) {
    QPainterPath far;
    far.moveTo(0, kHorizon);
    for (int x = 0; x <= kWidth; x += 16) {
        far.lineTo(x, kHorizon - 38 - 22 * std::sin(x / 97.0) - 12 * std::sin(x / 31.0));
    }
    far.lineTo(kWidth, kHorizon);
    far.closeSubpath();
    painter.fillPath(far, QColor(0x3c, 0x4f, 0x5c));
    QPainterPath near;
    near.moveTo(0, kHorizon + 18);
    for (int x = 0; x <= kWidth; x += 16) {
        near.lineTo(x, kHorizon - 6 - 14 * std::sin(x / 61.0 + 1.3));
    }
    near.lineTo(kWidth, kHorizon + 18);
    near.closeSubpath();
    painter.fillPath(near, QColor(0x24, 0x40, 0x2e));
}

void PaintWater(QPainter& painter) {
    QLinearGradient water(0, kHorizon, 0, kHeight);
    water.setColorAt(0.0, QColor(0x5a, 0x6e, 0x8c));
    water.setColorAt(1.0, QColor(0x1a, 0x2a, 0x44));
    painter.fillRect(QRectF(0, kHorizon + 10, kWidth, kHeight - kHorizon), water);
    painter.setPen(QPen(QColor(255, 236, 200, 90), 2));
    for (int row = 0; row < 9; ++row) {
        const double y = kHorizon + 30 + row * 24;
        for (int x = (row % 2) * 40; x < kWidth; x += 90) {
            painter.drawLine(QPointF(x, y), QPointF(x + 34 + row * 2, y));
        }
    }
}

void PaintAqueduct(QPainter& painter) {
    const double deckY = kHub.y() - kArmReach - 8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xcf, 0xc8, 0xbc));
    painter.drawRect(QRectF(kHub.x() + 24, deckY, kWidth - kHub.x(), 18));
    for (double x = kHub.x() + 90; x < kWidth; x += 110) {
        QPainterPath pier;
        pier.moveTo(x - 14, deckY + 18);
        pier.quadTo(x, deckY + 60, x + 14, deckY + 18);
        pier.lineTo(x + 10, kHorizon);
        pier.lineTo(x - 10, kHorizon);
        pier.closeSubpath();
        painter.drawPath(pier);
    }
}

// One arm of the wheel: two curved struts from the hub that meet at a gondola, open in the
// middle like the head of an axe.
void PaintArm(QPainter& painter, double sign) {
    const QPointF tip = kHub + QPointF(0, sign * kArmReach);
    QPainterPath arm;
    arm.moveTo(tip + QPointF(-46, 0));
    arm.cubicTo(tip + QPointF(-120, -sign * 30), kHub + QPointF(-110, sign * 30),
                kHub + QPointF(-20, 0));
    arm.moveTo(tip + QPointF(46, 0));
    arm.cubicTo(tip + QPointF(120, -sign * 30), kHub + QPointF(110, sign * 30),
                kHub + QPointF(20, 0));
    // Bracing between the struts.
    for (const double t : {0.4, 0.7}) {
        const double halfWidth = 92 * std::sin(t * 3.0);
        arm.moveTo(kHub + QPointF(-halfWidth, sign * kArmReach * t));
        arm.lineTo(kHub + QPointF(halfWidth, sign * kArmReach * t));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x4d, 0x58, 0x66), 13, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arm);
    painter.setPen(QPen(QColor(0xe6, 0xea, 0xef), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arm);
    // The gondola, its water catching the light.
    painter.setPen(QPen(QColor(0x6d, 0x78, 0x86), 2));
    painter.setBrush(QColor(0x9a, 0xa8, 0xb8));
    painter.drawRoundedRect(QRectF(tip.x() - 52, tip.y() - 14, 104, 28), 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7f, 0xb2, 0xd9));
    painter.drawRect(QRectF(tip.x() - 44, tip.y() - 8, 88, 8));
}

void PaintWheel(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    PaintArm(painter, -1);
    PaintArm(painter, 1);
    QRadialGradient hub(kHub, 34);
    hub.setColorAt(0, QColor(0xff, 0xff, 0xff));
    hub.setColorAt(1, QColor(0x8a, 0x96, 0xa4));
    painter.setPen(QPen(QColor(0x55, 0x60, 0x6c), 2));
    painter.setBrush(hub);
    painter.drawEllipse(kHub, 34, 34);
}

}  // namespace

QImage StartPicture() {
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    PaintSky(painter);
    PaintHills(painter);
    PaintWater(painter);
    PaintAqueduct(painter);
    PaintWheel(painter);
    painter.end();
    return picture;
}

}  // namespace tubeline
