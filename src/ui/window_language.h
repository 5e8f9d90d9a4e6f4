#pragma once

#include "texts/language.h"

namespace tubeline {

// Makes the windows and the messages speak the language: for English, the catalogue built into
// the texts library (translations/tubeline_en.ts) answers the windows' tr() too; for Japanese,
// in which the texts are written, it is taken away. Needs a QCoreApplication. False when Qt
// would not take the catalogue; the windows and the messages then speak Japanese.
bool SpeakWindowLanguage(Language language);

// Makes Qt's own texts (the buttons of a message box, a field's context menu) speak the
// language too, from Qt's translations as Debian installs them (qt6-translations-l10n); they are
// written in English, which needs none. False when the translations cannot be read: Qt's own
// texts then stay English.
bool SpeakQtLanguage(Language language);

}  // namespace tubeline
