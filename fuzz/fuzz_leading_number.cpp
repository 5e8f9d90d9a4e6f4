// The leading-number rule on arbitrary text: never NaN, blanks anywhere change nothing, and
// text after a character that cannot continue a number changes nothing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/leading_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = tubeline::LeadingNumber(text);
    if (std::isnan(value)) {
        std::abort();
    }
    const std::size_t at = size == 0 ? 0 : data[0] % (size + 1);
    std::string withBlank = text;
    withBlank.insert(at, " \t\n");
    const double same = tubeline::LeadingNumber(withBlank);
    if (!(same == value || (std::isnan(same) && std::isnan(value))) ||
        std::signbit(same) != std::signbit(value)) {
        std::abort();
    }
    // '#' never continues a number, so what follows it cannot matter.
    if (text.find('#') == std::string::npos && tubeline::LeadingNumber(text + "#9e9") != value) {
        std::abort();
    }
    return 0;
}
