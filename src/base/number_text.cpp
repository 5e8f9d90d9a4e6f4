#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "float_chars.h"

namespace tubeline {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Japanese input methods type the full-width forms U+FF01..U+FF5E of the ASCII characters
// "!".."~" and the ideographic space U+3000; each reads as its ASCII counterpart, the space as a
// blank. In UTF-8 they are EF BC 81..EF BC BF, EF BD 80..EF BD 9E and E3 80 80.
std::string WithFullWidthAsAscii(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (i + 2 < text.size() && byte(i) == 0xEF) {
            if (byte(i + 1) == 0xBC && byte(i + 2) >= 0x81 && byte(i + 2) <= 0xBF) {
                ascii.push_back(static_cast<char>(byte(i + 2) - 0x60));
                i += 2;
                continue;
            }
            if (byte(i + 1) == 0xBD && byte(i + 2) >= 0x80 && byte(i + 2) <= 0x9E) {
                ascii.push_back(static_cast<char>(byte(i + 2) - 0x20));
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
            ascii.push_back(' ');
            i += 2;
            continue;
        }
        ascii.push_back(text[i]);
    }
    return ascii;
}

std::string_view WithoutBlanksAround(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    const char lower = static_cast<char>(c | 0x20);
    return (lower >= 'a' && lower <= 'f') ? lower - 'a' + 10 : 99;
}

// Digits of the given base after "&H" or "&O", all of them: an unsigned integer, rounded once to
// double while it fits 64 bits. Nothing when a character is no digit of the base.
std::optional<double> RadixInteger(std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t exact = 0;
    double value = 0;
    bool exactFits = true;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base) {
            return std::nullopt;
        }
        if (exactFits && exact <= (std::numeric_limits<std::uint64_t>::max() - digit) / base) {
            exact = exact * base + digit;
            value = static_cast<double>(exact);
        } else {
            exactFits = false;
            value = value * base + digit;
        }
    }
    return value;
}

// Saturating so that an exponent of any length cannot overflow.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::int64_t AddSaturated(std::int64_t a, std::int64_t b) {
    return std::clamp(a + b, -kExponentLimit, kExponentLimit);
}

// Beyond this many decimal places either way a double is infinite or zero.
constexpr std::int64_t kDecimalMagnitudeLimit = 400;

// The decimal number that is the whole text; nothing when it is not one.
std::optional<double> DecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Significant digits without leading zeros; exponent10 counts the places the decimal point
    // moves right of them.
    std::string significant;
    std::int64_t exponent10 = 0;
    bool anyDigit = false;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        anyDigit = true;
        if (!significant.empty() || text[pos] != '0') {
            significant.push_back(text[pos]);
        }
    }
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            anyDigit = true;
            if (!significant.empty() || text[pos] != '0') {
                significant.push_back(text[pos]);
            }
            exponent10 = AddSaturated(exponent10, -1);
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (pos < text.size() && std::string_view("EeDd").find(text[pos]) != std::string_view::npos) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        const std::size_t digitsFrom = pos;
        std::int64_t exponent = 0;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentLimit);
        }
        if (pos == digitsFrom) {
            return std::nullopt;
        }
        exponent10 = AddSaturated(exponent10, negativeExponent ? -exponent : exponent);
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    const double zero = negative ? -0.0 : 0.0;
    if (significant.empty()) {
        return zero;
    }
    // Trailing zeros carry no precision; dropping them keeps the exponent small.
    while (significant.back() == '0') {
        significant.pop_back();
        exponent10 = AddSaturated(exponent10, 1);
    }
    const std::int64_t magnitude = exponent10 + static_cast<std::int64_t>(significant.size());
    const double infinity = negative ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    if (magnitude > kDecimalMagnitudeLimit) {
        return infinity;
    }
    if (magnitude < -kDecimalMagnitudeLimit) {
        return zero;
    }
    const std::string normalized =
        (negative ? "-" : "") + significant + "e" + std::to_string(exponent10);
    double value = 0;
    const auto [end, error] =
        ReadDouble(normalized.data(), normalized.data() + normalized.size(), value);
    if (error == std::errc::result_out_of_range) {
        return magnitude > 0 ? infinity : zero;
    }
    return value;
}

std::optional<double> NumberOf(std::string_view text) {
    if (text.size() >= 2 && text[0] == '&') {
        const char radix = static_cast<char>(text[1] | 0x20);
        if (radix == 'h') {
            return RadixInteger(text.substr(2), 16);
        }
        if (radix == 'o') {
            return RadixInteger(text.substr(2), 8);
        }
        return std::nullopt;
    }
    return DecimalNumber(text);
}

}  // namespace

NumberText ReadNumberText(std::string_view text) {
    const std::string ascii = WithFullWidthAsAscii(text);
    const std::string_view number = WithoutBlanksAround(ascii);
    if (number.empty()) {
        return {NumberText::Kind::Empty, 0};
    }
    if (const std::optional<double> value = NumberOf(number)) {
        return {NumberText::Kind::Number, *value};
    }
    return {NumberText::Kind::NotANumber, 0};
}

}  // namespace tubeline
