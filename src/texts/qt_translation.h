#pragma once

#include "language.h"

namespace tubeline {

// Makes the program speak the language: for English, the catalogue built into the program
// (translations/tubeline_en.ts) is installed into Qt, for the windows' tr(), and into Tr, for
// the messages; for Japanese, in which the texts are written, any other catalogue is taken away.
// Needs a QCoreApplication.
// False when the catalogue is missing from the program; it then speaks Japanese.
bool SpeakLanguage(Language language);

}  // namespace tubeline
