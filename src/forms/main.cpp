#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "program_end.h"
#include "ui/qt_operator_messages.h"
#include "window_program.h"

namespace {

// Ends the event loop after hiding every window, so that no further event is handled.
class QtProgramEnd : public tubeline::ProgramEnd {
  public:
    void EndProgram() override {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->hide();
        }
        QCoreApplication::exit(0);
    }
};

bool DisplayAvailable() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
           std::getenv("QT_QPA_PLATFORM") != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::cerr << "tubeline: no display to open windows on; without windows use "
                     "tubeline-calc (tubeline-calc --help)\n";
        return 1;
    }
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tubeline"));

    tubeline::QtOperatorMessages messages;
    QtProgramEnd end;
    tubeline::WindowProgram program(messages, end, std::filesystem::current_path());
    if (!program.Load()) {
        return 1;
    }
    program.Form8().show();
    return QApplication::exec();
}
