#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace tubeline {

// A legend mark: a short horizontal line of 2 pixels in a curve's colour.
class LegendMark : public QFrame {
  public:
    LegendMark(const QString& name, QColor colour, QWidget* parent);
};

// The lines of a caption within a width: broken at blanks, and in Japanese after a prolonged
// sound mark (ー), which ends most words of a katakana compound, so that no word is cut
// mid-word; a word wider than the width stands on a line of its own.
QStringList WrappedLines(const QString& caption, const QFontMetrics& metrics, int width);

// An option button whose caption wraps onto further lines within its width.
class WrappedRadioButton : public QRadioButton {
  public:
    WrappedRadioButton(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};

// Names a control and puts it at a place given in twips.
void Place(QWidget& control, const char* name, QRect twips);

// Names a label and puts it at a place in twips, sized to its text unless a size is given.
void PlaceLabel(QLabel& label, const char* name, int leftTwips, int topTwips, int widthTwips = 0,
                int heightTwips = 0);

// Widens each control to its caption where the caption needs more than its place, and the frame
// around them to hold them; nothing is narrowed or moved.
void WidenToFit(QWidget& frame, std::initializer_list<QWidget*> controls);

// A caption longer than its place grows to the left, so that it still ends where the control it
// names begins.
void GrowCaptionLeftward(QLabel& caption);

// A button with a light-yellow face, as the filter commands have.
void PaintLightYellow(QPushButton& button);

// Fills the control's background with the colour.
void SetBackground(QWidget& control, QColor colour);

// The Japanese user-interface font at a size in points.
QFont InterfaceFont(double points);

}  // namespace tubeline
