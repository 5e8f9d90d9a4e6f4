#include "qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

#include "translation.h"

namespace tubeline {

bool SpeakLanguage(Language language) {
    // Lives as long as the application that uses it.
    static QTranslator english;
    if (language == Language::Japanese) {
        QCoreApplication::removeTranslator(&english);
        InstallTranslator({});
        return true;
    }
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
