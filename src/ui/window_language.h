#pragma once

#include "texts/language.h"

namespace tubeline {

// Makes the windows and the messages speak the language: for English, the catalogue built into
// the texts library (translations/tubeline_en.ts) answers the windows' tr() too; for Japanese,
// in which the texts are written, it is taken away. Needs a QCoreApplication. False when Qt
// would not take the catalogue; the windows and the messages then speak Japanese.
bool SpeakWindowLanguage(Language language);

}  // namespace tubeline
