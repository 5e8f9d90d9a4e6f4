#include "window_language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "texts/translation.h"

namespace tubeline {

bool SpeakWindowLanguage(Language language) {
    // Lives as long as the application that uses it.
    static QTranslator english;
    QCoreApplication::removeTranslator(&english);
    if (language == Language::English && english.load(QStringLiteral(":/i18n/tubeline_en.qm"))) {
        QCoreApplication::installTranslator(&english);
        SpeakLanguage(Language::English);
        return true;
    }
    SpeakLanguage(Language::Japanese);
    return language == Language::Japanese;
}

}  // namespace tubeline
