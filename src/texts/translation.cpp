#include "translation.h"

#include <utility>
#include <vector>

namespace tubeline {
namespace {

Translator& CurrentTranslator() {
    static Translator translator;
    return translator;
}

}  // namespace

void InstallTranslator(Translator translator) {
    CurrentTranslator() = std::move(translator);
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
