#include "secondary_window.h"

#include <QKeyEvent>

namespace tubeline {

void SecondaryWindow::ShowInFront(QWidget* focus) {
    show();
    raise();
    activateWindow();
    if (focus != nullptr) {
        focus->setFocus();
    }
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && escapeButton_ != nullptr) {
        escapeButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tubeline
