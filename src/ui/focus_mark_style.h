#pragma once

#include <QProxyStyle>

namespace tubeline {

// The platform's style with a focus mark a keyboard user sees at a glance, whatever the style
// itself draws (Fusion's own outline is a faint tint): a solid frame inside the focused button,
// around the caption of the focused option, and along the edge of the focused list.
class FocusMarkStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // A list's frame as wide as the mark, so that its items never cover it.
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

// The focus mark inside a control's rectangle, for controls that paint themselves.
void DrawFocusMark(QPainter& painter, const QRect& control);

// The focus mark around a caption, clear of its letters, for controls that paint themselves; it
// reaches kFocusMarkReach pixels beyond the caption.
void DrawFocusMarkAround(QPainter& painter, const QRect& caption);
inline constexpr int kFocusMarkReach = 3;

}  // namespace tubeline
