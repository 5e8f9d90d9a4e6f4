#include "icons.h"

#include <QFont>
#include <QFontMetrics>
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

QPixmap ExitSignIcon(const QString& word) {
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
    // The word fills the lower right corner, smaller where it is longer.
    const QRect space(12, 14, 18, 11);
    QFont font = InterfaceFont(6);
    font.setBold(true);
    for (int pixels = 9; pixels > 5; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(word) <= space.width() + 2) {
            break;
        }
    }
    painter.setFont(font);
    painter.drawText(space.adjusted(-1, 0, 1, 0), Qt::AlignCenter, word);
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
