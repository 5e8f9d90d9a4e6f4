#include "focus_mark_style.h"

#include <QPainter>
#include <QPen>
#include <QStyleOption>

namespace tubeline {
namespace {

constexpr int kMarkWidth = 2;  // pixels
constexpr int kMarkInset = 3;  // pixels inside the control's edge
const QColor kMarkColour(0x1e, 0x5a, 0xc8);

}  // namespace

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    const bool marked = element == CE_PushButton || element == CE_RadioButton;
    if (!marked || !(option->state & State_HasFocus)) {
        return;
    }
    DrawFocusMark(*painter, option->rect);
}

void DrawFocusMark(QPainter& painter, const QRect& control) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kMarkColour, kMarkWidth));
    painter.setBrush(Qt::NoBrush);
    const int half = kMarkWidth / 2;
    painter.drawRect(control.adjusted(kMarkInset - half + 1, kMarkInset - half + 1,
                                      -kMarkInset + half - 1, -kMarkInset + half - 1));
    painter.restore();
}

}  // namespace tubeline
