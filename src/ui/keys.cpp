#include "keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace tubeline {

void PressOnEnter(std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* button : buttons) {
        button->setAutoDefault(true);
    }
}

void SetTabOrder(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 0; i + 1 < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i], controls[i + 1]);
    }
}

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace tubeline
