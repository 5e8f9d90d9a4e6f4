#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace tubeline {

// A dialog or view opened from the main window, shown modeless and hidden (not destroyed) when
// done. Escape presses its Cancel or Close button.
class SecondaryWindow : public QWidget {
  public:
    explicit SecondaryWindow(QWidget* parent = nullptr) : QWidget(parent) {}

    // Shows the window above the others and active, the keyboard at `focus` when one is given.
    void ShowInFront(QWidget* focus = nullptr);

  protected:
    void SetEscapeButton(QAbstractButton& button) { escapeButton_ = &button; }
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QAbstractButton* escapeButton_ = nullptr;
};

}  // namespace tubeline
