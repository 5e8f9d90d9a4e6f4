#include "qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

#include "translation.h"

namespace tubeline {

bool SpeakLanguage(Language language) {
    if (language != Language::English) {
        return true;
    }
    // Lives as long as the application that uses it.
    static QTranslator english;
    if (!english.load(QStringLiteral(":/i18n/tubeline_en.qm"))) {
        return false;
    }
    QCoreApplication::installTranslator(&english);
    InstallTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    return true;
}

}  // namespace tubeline
