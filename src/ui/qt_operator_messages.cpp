#include "qt_operator_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tubeline {
namespace {

int Show(QMessageBox::Icon icon, const std::string& text, QMessageBox::StandardButtons buttons,
         QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QCoreApplication::applicationName(),
                    QStringLiteral(" %1 ").arg(QString::fromStdString(text)), buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

void QtOperatorMessages::Warning(const std::string& text) {
    Show(QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtOperatorMessages::Information(const std::string& text) {
    Show(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtOperatorMessages::Confirm(const std::string& question) {
    return Show(QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace tubeline
