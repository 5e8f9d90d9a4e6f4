#pragma once

#include "texts/language.h"

namespace tubeline {

// Makes the windows speak the language: for English, Qt's catalogue built into the program
// (translations/tubeline_en.ts) for the windows' tr(), and the messages' catalogue; for
// Japanese, in which the texts are written, any other catalogue is taken away. Needs a
// QCoreApplication. False when Qt's catalogue is missing from the program; the windows then
// speak Japanese and the messages too.
bool SpeakWindowLanguage(Language language);

}  // namespace tubeline
