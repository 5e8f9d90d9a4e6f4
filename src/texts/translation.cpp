#include "translation.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "catalogue.h"

namespace tubeline {
namespace {

Translator& CurrentTranslator() {
    static Translator translator;
    return translator;
}

Language& CurrentLanguage() {
    static Language language = Language::Japanese;
    return language;
}

std::string English(const char* context, const char* source) {
    const std::span<const CatalogueEntry> catalogue = EnglishCatalogue();
    const CatalogueEntry wanted{context, source, {}};
    const auto found = std::lower_bound(
        catalogue.begin(), catalogue.end(), wanted, [](const auto& a, const auto& b) {
            return std::pair(a.Context, a.Source) < std::pair(b.Context, b.Source);
        });
    if (found == catalogue.end() || found->Context != wanted.Context ||
        found->Source != wanted.Source) {
        return source;
    }
    return std::string(found->Translation);
}

}  // namespace

void InstallTranslator(Translator translator) {
    CurrentTranslator() = std::move(translator);
}

void SpeakLanguage(Language language) {
    CurrentLanguage() = language;
    InstallTranslator(language == Language::English ? Translator(English) : Translator());
}

Language SpokenLanguage() {
    return CurrentLanguage();
}

std::string Tr(const char* context, const char* source) {
    const Translator& translator = CurrentTranslator();
    return translator ? translator(context, source) : std::string(source);
}

std::string Substitute(std::string_view pattern, std::initializer_list<std::string> arguments) {
    const std::vector<std::string> values(arguments);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                text += values[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

}  // namespace tubeline
