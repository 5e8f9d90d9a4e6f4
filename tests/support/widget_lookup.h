#pragma once

#include <QApplication>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace tubeline::testing {

// A control of a window by its name; a missing one fails the test with the name.
template <class Control>
Control& Find(const QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        throw std::runtime_error(std::string("no control ") + name);
    }
    return *control;
}

// The visible top-level window of that name, such as a dialog a button opened.
inline QWidget& VisibleWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible()) {
            return *window;
        }
    }
    throw std::runtime_error(std::string("no visible window ") + name);
}

}  // namespace tubeline::testing
