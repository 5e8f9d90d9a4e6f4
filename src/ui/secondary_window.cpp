#include "secondary_window.h"

#include <QKeyEvent>

namespace tubeline {

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && escapeButton_ != nullptr) {
        escapeButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tubeline
