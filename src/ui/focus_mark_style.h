#pragma once

#include <QProxyStyle>

namespace tubeline {

// The platform's style with a focus mark a keyboard user sees at a glance: a solid frame inside
// the focused button or option, whatever the style itself draws (Fusion's own outline is a
// faint tint).
class FocusMarkStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// The focus mark inside a control's rectangle, for controls that paint themselves.
void DrawFocusMark(QPainter& painter, const QRect& control);

}  // namespace tubeline
