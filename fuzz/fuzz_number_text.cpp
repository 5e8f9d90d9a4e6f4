// A typed number on arbitrary text: never NaN; blanks around it change nothing; text after a
// character that cannot continue a number makes it no number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/number_text.h"

namespace {

bool Same(const tubeline::NumberText& a, const tubeline::NumberText& b) {
    return a.Reading == b.Reading && a.Value == b.Value &&
           std::signbit(a.Value) == std::signbit(b.Value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const tubeline::NumberText read = tubeline::ReadNumberText(text);
    if (std::isnan(read.Value)) {
        std::abort();
    }
    if (!Same(tubeline::ReadNumberText(" \t\u3000" + text + "\n "), read)) {
        std::abort();
    }
    // '#' never continues a number, so a number followed by it is none.
    if (read.Reading == tubeline::NumberText::Kind::Number &&
        tubeline::ReadNumberText(text + "#9").Reading != tubeline::NumberText::Kind::NotANumber) {
        std::abort();
    }
    return 0;
}
