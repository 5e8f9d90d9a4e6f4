#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "places/file_places.h"
#include "model/program_version.h"
#include "program_end.h"
#include "texts/translation.h"
#include "ui/focus_mark_style.h"
#include "ui/qt_operator_messages.h"
#include "ui/window_language.h"
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

constexpr const char* kWithoutWindows = "without windows use tubeline-calc (tubeline-calc --help)";

// While the window system is being opened, Qt's complaints are kept back; when it cannot be
// opened at all, Qt ends the program through a fatal message, which becomes one line saying so.
std::string startupComplaint;
void OnStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        if (startupComplaint.empty()) {
            startupComplaint = message.toStdString();
        }
        return;
    }
    std::cerr << "tubeline: cannot open the windows ("
              << (startupComplaint.empty() ? message.toStdString() : startupComplaint) << "); "
              << kWithoutWindows << '\n';
    std::_Exit(1);
}

// The language of --lang ja|en among the arguments, else of the locale; nothing when --lang
// names another.
std::optional<tubeline::Language> ChosenLanguage(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == QStringLiteral("--lang") && i + 1 < arguments.size()) {
            code = arguments[i + 1];
        } else if (arguments[i].startsWith(QStringLiteral("--lang="))) {
            code = arguments[i].mid(7);
        } else {
            continue;
        }
        return tubeline::LanguageNamed(code.toStdString());
    }
    return tubeline::LanguageOfEnvironment();
}

// --version is answered before any window system is looked for.
bool AsksForVersion(int argc, char** argv) {
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::string_view(argument) == "--version";
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForVersion(argc, argv)) {
        std::cout << "tubeline " << tubeline::kProgramVersion << '\n';
        return 0;
    }
    if (!DisplayAvailable()) {
        std::cerr << "tubeline: no display to open windows on; " << kWithoutWindows << '\n';
        return 1;
    }
    const QtMessageHandler qtMessages = qInstallMessageHandler(OnStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtMessages);
    // The application owns its style from here on.
    QApplication::setStyle(std::make_unique<tubeline::FocusMarkStyle>().release());
    QCoreApplication::setApplicationName(QStringLiteral("Tubeline"));
    const std::optional<tubeline::Language> language =
        ChosenLanguage(QCoreApplication::arguments());
    if (!language) {
        std::cerr << "tubeline: --lang must be ja or en\n";
        return 2;
    }
    if (!tubeline::SpeakWindowLanguage(*language)) {
        std::cerr << "tubeline: the English texts could not be installed; it speaks Japanese\n";
    }
    if (!tubeline::SpeakQtLanguage(tubeline::SpokenLanguage())) {
        std::cerr << "tubeline: Qt's Japanese translations (qtbase_ja.qm, Debian's "
                     "qt6-translations-l10n) were not found; Qt's own buttons speak English\n";
    }
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tubeline.Tubeline"));

    tubeline::QtOperatorMessages messages;
    QtProgramEnd end;
    tubeline::WindowProgram program(messages, end,
                                    tubeline::DecideFilePlaces(tubeline::ProcessPlaceSources()));
    if (!program.Load()) {
        return 1;
    }
    program.StartWindow().show();
    return QApplication::exec();
}
