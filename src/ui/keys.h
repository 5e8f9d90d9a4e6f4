#pragma once

#include <QEvent>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <vector>

namespace tubeline {

// Enter presses these buttons when they have the focus, as Space does, so that a keyboard user
// can Tab to a command and press it.
void PressOnEnter(std::initializer_list<QPushButton*> buttons);

// Tab moves through the controls in this order.
void SetTabOrder(const std::vector<QWidget*>& controls);

// Enter in the field moves the focus on to `next` (a dialog's OK) without pressing anything, so
// that a second Enter presses it. With `allowed`, only while it holds; Enter in the field is
// then ignored.
void MoveFocusOnEnter(QWidget& field, QWidget& next, std::function<bool()> allowed = {});

// Whether the event is a press of Enter or Return.
bool IsEnterKey(const QEvent* event);

}  // namespace tubeline
