#include "focus_mark_style.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPen>
#include <QRadioButton>
#include <QStyleOption>
#include <algorithm>

namespace tubeline {
namespace {

constexpr int kMarkWidth = 2;                              // pixels
constexpr int kMarkInset = 3;                              // pixels inside the control's edge
constexpr int kCaptionGap = kFocusMarkReach - kMarkWidth;  // between a caption and its mark
const QColor kMarkColour(0x1e, 0x5a, 0xc8);

// The mark with its outer edge on the rectangle's edge.
void DrawMarkWithin(QPainter& painter, const QRect& outer) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMarkColour);
    const QRect inner = outer.adjusted(kMarkWidth, kMarkWidth, -kMarkWidth, -kMarkWidth);
    painter.drawRect(outer.left(), outer.top(), outer.width(), kMarkWidth);
    painter.drawRect(outer.left(), inner.bottom() + 1, outer.width(), kMarkWidth);
    painter.drawRect(outer.left(), inner.top(), kMarkWidth, inner.height());
    painter.drawRect(inner.right() + 1, inner.top(), kMarkWidth, inner.height());
    painter.restore();
}

}  // namespace

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!(option->state & State_HasFocus)) {
        return;
    }
    switch (element) {
        case CE_PushButton:
            DrawFocusMark(*painter, option->rect);
            break;
        case CE_RadioButton:
            // Around the caption, where the style puts its own focus outline, not over the
            // circle.
            DrawFocusMarkAround(*painter, subElementRect(SE_RadioButtonFocusRect, option, widget)
                                              .intersected(option->rect.adjusted(
                                                  kFocusMarkReach, kFocusMarkReach,
                                                  -kFocusMarkReach, -kFocusMarkReach)));
            break;
        case CE_ShapedFrame:
            // A list's frame; the list itself paints over everything inside it.
            if (qobject_cast<const QAbstractItemView*>(widget) != nullptr) {
                DrawMarkWithin(*painter, option->rect);
            }
            break;
        default:
            break;
    }
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    // The option's faint outline would show inside the mark.
    if (element == PE_FrameFocusRect && qobject_cast<const QRadioButton*>(widget) != nullptr) {
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int FocusMarkStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_DefaultFrameWidth && qobject_cast<const QAbstractItemView*>(widget)) {
        return std::max(pixels, kMarkWidth);
    }
    return pixels;
}

void DrawFocusMark(QPainter& painter, const QRect& control) {
    DrawMarkWithin(painter, control.adjusted(kMarkInset, kMarkInset, -kMarkInset, -kMarkInset));
}

void DrawFocusMarkAround(QPainter& painter, const QRect& caption) {
    DrawMarkWithin(painter, caption.adjusted(-kFocusMarkReach, -kFocusMarkReach, kFocusMarkReach,
                                             kFocusMarkReach));
}

}  // namespace tubeline
