#pragma once

#include <optional>
#include <string_view>

namespace tubeline {

// The languages the program speaks: Japanese, in which its texts are written, and English.
enum class Language { Japanese, English };

// The language of a locale name such as "ja_JP.UTF-8" or "en_GB": Japanese for a Japanese
// locale and for one that names no language ("", "C", "POSIX"), English for any other.
Language LanguageOfLocale(std::string_view localeName);

// The language of the locale the environment sets for messages (LC_ALL, LC_MESSAGES, LANG, the
// first one set).
Language LanguageOfEnvironment();

// The language of a --lang value, "ja" or "en"; nothing for any other.
std::optional<Language> LanguageNamed(std::string_view code);

}  // namespace tubeline
