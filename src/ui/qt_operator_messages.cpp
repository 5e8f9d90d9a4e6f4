#include "qt_operator_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tubeline {
namespace {

void Show(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QCoreApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace

void QtOperatorMessages::Warning(const std::string& text) {
    Show(QMessageBox::Warning, text);
}

void QtOperatorMessages::Information(const std::string& text) {
    Show(QMessageBox::NoIcon, text);
}

}  // namespace tubeline
