#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "language.h"

namespace tubeline {

// The program's texts are written in Japanese; a translator, when one is installed, gives each
// in another language. Its arguments are the text's context and the Japanese text itself.
using Translator = std::function<std::string(const char* context, const char* source)>;

// Installs the translator for every later Tr; an empty one keeps the Japanese texts.
void InstallTranslator(Translator translator);

// The text in the current language.
std::string Tr(const char* context, const char* source);

// Makes every later Tr speak the language: English from the built-in catalogue, Japanese as the
// texts are written.
void SpeakLanguage(Language language);

// The language Tr speaks now.
Language SpokenLanguage();

// The pattern with %1 .. %9 replaced by the arguments, so that a translation may put them in
// another order. A % not followed by a used digit stays as it is.
std::string Substitute(std::string_view pattern, std::initializer_list<std::string> arguments);

}  // namespace tubeline
