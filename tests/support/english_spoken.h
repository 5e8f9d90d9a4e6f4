#pragma once

#include "texts/translation.h"

namespace tubeline::testing {

// The program speaks English while this lives and Japanese, the tests' own language, afterwards,
// also when a failed assertion ends the test early.
class EnglishSpoken {
  public:
    EnglishSpoken() { SpeakLanguage(Language::English); }
    EnglishSpoken(const EnglishSpoken&) = delete;
    EnglishSpoken& operator=(const EnglishSpoken&) = delete;
    ~EnglishSpoken() { SpeakLanguage(Language::Japanese); }
};

}  // namespace tubeline::testing
