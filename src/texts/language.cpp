#include "language.h"

#include <cstdlib>

namespace tubeline {

Language LanguageOfLocale(std::string_view localeName) {
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX" || language == "ja") {
        return Language::Japanese;
    }
    return Language::English;
}

Language LanguageOfEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return LanguageOfLocale(value);
        }
    }
    return Language::Japanese;
}

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "ja") {
        return Language::Japanese;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

}  // namespace tubeline
