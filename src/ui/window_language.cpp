#include "window_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "texts/translation.h"

namespace tubeline {
namespace {

// The windows' tr() answered from the messages' catalogue, so that the program carries one
// English catalogue for both.
class CatalogueTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (context == nullptr || sourceText == nullptr) {
            return {};
        }
        return QString::fromStdString(Tr(context, sourceText));
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

bool SpeakWindowLanguage(Language language) {
    // Lives as long as the application that uses it.
    static CatalogueTranslator english;
    QCoreApplication::removeTranslator(&english);
    if (language == Language::English && QCoreApplication::installTranslator(&english)) {
        SpeakLanguage(Language::English);
        return true;
    }
    SpeakLanguage(Language::Japanese);
    return language == Language::Japanese;
}

bool SpeakQtLanguage(Language language) {
    // Lives as long as the application that uses it.
    static QTranslator japanese;
    QCoreApplication::removeTranslator(&japanese);
    if (language != Language::Japanese) {
        return true;
    }
    // qtbase_ja.qm holds the texts of Qt's widgets and of the platform's standard buttons.
    return japanese.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&japanese);
}

}  // namespace tubeline
