#include "keys.h"

#include <QKeyEvent>
#include <QWidget>
#include <memory>
#include <utility>

namespace tubeline {
namespace {

// Watches a field for Enter; the field owns it.
class EnterMovesFocus : public QObject {
  public:
    EnterMovesFocus(QWidget& field, QWidget& next, std::function<bool()> allowed)
        : QObject(&field), next_(next), allowed_(std::move(allowed)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsEnterKey(event)) {
            return QObject::eventFilter(watched, event);
        }
        if (!allowed_ || allowed_()) {
            next_.setFocus();
        }
        return true;
    }

  private:
    QWidget& next_;
    std::function<bool()> allowed_;
};

}  // namespace

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

void MoveFocusOnEnter(QWidget& field, QWidget& next, std::function<bool()> allowed) {
    // Owned by the field as its child.
    field.installEventFilter(
        std::make_unique<EnterMovesFocus>(field, next, std::move(allowed)).release());
}

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace tubeline
