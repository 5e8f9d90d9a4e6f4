#include "icons.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "graph/palette.h"
#include "ui/form_widgets.h"

namespace tubeline {
namespace {

constexpr int kIconSize = 32;

QImage BlankIcon() {
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    return icon;
}

}  // namespace

QPixmap ExitSignIcon() {
    QImage icon = BlankIcon();
    QPainter painter(&icon);
    painter.fillRect(QRect(1, 4, 30, 24), PaletteColour(2));
    painter.setPen(PaletteColour(kWhite));
    painter.drawRect(QRect(2, 5, 27, 21));
    // Arrow up and to the left in the upper left corner.
    painter.setPen(QPen(PaletteColour(kWhite), 2));
    painter.drawLine(QPoint(12, 14), QPoint(6, 8));
    painter.drawLine(QPoint(6, 8), QPoint(10, 8));
    painter.drawLine(QPoint(6, 8), QPoint(6, 12));
    QFont font = InterfaceFont(6);
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(12, 14, 18, 11), Qt::AlignCenter, QStringLiteral("出口"));
    painter.end();
    return QPixmap::fromImage(icon);
}

QPixmap TubeIcon() {
    QImage icon = BlankIcon();
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    // Glass envelope with cathode (left) and anode (right).
    painter.setPen(QPen(PaletteColour(1), 1.5));
    painter.setBrush(PaletteColour(11));
    painter.drawEllipse(QRectF(3, 6, 26, 12));
    painter.setBrush(PaletteColour(8));
    painter.drawRect(QRectF(5, 10, 5, 4));
    QPainterPath anode;
    anode.moveTo(20, 9);
    anode.lineTo(27, 9);
    anode.lineTo(27, 15);
    anode.lineTo(23, 15);
    anode.closeSubpath();
    painter.setBrush(PaletteColour(6));
    painter.drawPath(anode);
    // The beam fans out downwards from the focal spot.
    painter.setPen(QPen(PaletteColour(12), 1.2));
    for (const int x : {14, 19, 24}) {
        painter.drawLine(QPointF(21.5, 14), QPointF(x, 30));
    }
    painter.end();
    return QPixmap::fromImage(icon);
}

}  // namespace tubeline
