#include "number_format.h"

#include <array>
#include <charconv>

namespace tubeline {
namespace {

std::string ToChars(double value, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};
    // Adding 0.0 turns -0.0 into +0.0.
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value + 0.0, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// to_chars writes "1.234e+10"; the displays and files show a capital E.
std::string WithCapitalExponent(std::string text) {
    if (const auto e = text.find('e'); e != std::string::npos) {
        text[e] = 'E';
    }
    return text;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    return ToChars(value, std::chars_format::fixed, decimals);
}

std::string FormatScientific(double value) {
    return WithCapitalExponent(ToChars(value, std::chars_format::scientific, 3));
}

std::string FormatEnergy(double keV) {
    std::string text = FormatFixed(keV, 1);
    const std::size_t digitsBeforePoint = text.find('.');
    if (digitsBeforePoint < 4) {
        text.insert(0, 4 - digitsBeforePoint, '0');
    }
    return text;
}

std::string FormatGeneral(double value) {
    return WithCapitalExponent(ToChars(value, std::chars_format::general, 15));
}

}  // namespace tubeline
