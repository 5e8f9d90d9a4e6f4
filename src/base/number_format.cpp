#include "number_format.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "float_chars.h"

namespace tubeline {
namespace {

std::string ToChars(double value, std::chars_format format, int precision) {
    // Adding 0.0 turns -0.0 into +0.0.
    return DoubleText(value + 0.0, format, precision);
}

// to_chars writes "1.234e+10"; the displays and files show a capital E.
std::string WithCapitalExponent(std::string text) {
    if (const auto e = text.find('e'); e != std::string::npos) {
        text[e] = 'E';
    }
    return text;
}

// Powers of ten that doubles and 64-bit integers hold exactly.
constexpr std::array<double, 10> kPowersOfTen = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// Fixed point by rounding value * 10^decimals to an integer, much faster than to_chars. Rounding
// is monotonic and every half-integer below 2^52 is a double, so the rounded product lies on the
// same side of a half as the exact one unless it is that half: then, and for negative or large
// values, this declines and to_chars decides. The text ends at buffer.end(); returns where it
// begins, or nothing.
using DigitBuffer = std::array<char, 32>;
const char* FixedByScaling(double value, int decimals, DigitBuffer& buffer) {
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size()) || !(value >= 0)) {
        return nullptr;
    }
    const double scaled = value * kPowersOfTen[decimals];
    if (!(scaled < 0x1p52)) {
        return nullptr;
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;  // exact
    if (fraction == 0.5) {
        return nullptr;
    }
    std::uint64_t digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    // Written from the right: the decimals, the point, then the integer part.
    char* begin = buffer.data() + buffer.size();
    for (int i = 0; i < decimals; ++i, digits /= 10) {
        *--begin = static_cast<char>('0' + digits % 10);
    }
    if (decimals > 0) {
        *--begin = '.';
    }
    do {
        *--begin = static_cast<char>('0' + digits % 10);
        digits /= 10;
    } while (digits != 0);
    return begin;
}

}  // namespace

void AppendFixed(std::string& text, double value, int decimals) {
    DigitBuffer buffer;
    if (const char* begin = FixedByScaling(value, decimals, buffer)) {
        text.append(begin, static_cast<std::size_t>(buffer.data() + buffer.size() - begin));
    } else {
        text += ToChars(value, std::chars_format::fixed, decimals);
    }
}

std::string FormatFixed(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
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

std::string FormatRoundTrip(double value) {
    return WithCapitalExponent(ShortestDoubleText(value + 0.0));
}

}  // namespace tubeline
