#include "leading_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tubeline {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Japanese input methods type the full-width forms U+FF01..U+FF5E of the ASCII characters
// "!".."~" and the ideographic space U+3000; each reads as its ASCII counterpart, the space as a
// blank and so not at all. In UTF-8 they are EF BC 81..EF BC BF, EF BD 80..EF BD 9E and
// E3 80 80.
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
            i += 2;
            continue;
        }
        ascii.push_back(text[i]);
    }
    return ascii;
}

// Blanks go first, so that a blank typed inside a full-width character's bytes changes nothing
// either.
std::string WithoutIgnoredCharacters(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            kept.push_back(c);
        }
    }
    return WithFullWidthAsAscii(kept);
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    const char lower = static_cast<char>(c | 0x20);
    return (lower >= 'a' && lower <= 'f') ? lower - 'a' + 10 : 99;
}

// Digits of the given base after "&H" or "&O"; an unsigned integer, rounded once to double
// while it fits 64 bits.
double RadixInteger(std::string_view digits, int base) {
    std::uint64_t exact = 0;
    double value = 0;
    bool exactFits = true;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base) {
            break;
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

double DecimalNumber(std::string_view text) {
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
        return 0;
    }
    if (pos < text.size() && std::string_view("EeDd").find(text[pos]) != std::string_view::npos) {
        std::size_t at = pos + 1;
        bool negativeExponent = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            negativeExponent = text[at] == '-';
            ++at;
        }
        std::int64_t exponent = 0;
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            exponent = std::min(exponent * 10 + (text[at] - '0'), kExponentLimit);
        }
        // An exponent letter without digits is not part of the number.
        if (at > pos + 1 && IsDigit(text[at - 1])) {
            exponent10 = AddSaturated(exponent10, negativeExponent ? -exponent : exponent);
        }
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
    if (magnitude > 400) {
        return infinity;
    }
    if (magnitude < -400) {
        return zero;
    }
    const std::string normalized =
        (negative ? "-" : "") + significant + "e" + std::to_string(exponent10);
    double value = 0;
    const auto [end, error] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (error == std::errc::result_out_of_range) {
        return magnitude > 0 ? infinity : zero;
    }
    return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const std::string kept = WithoutIgnoredCharacters(text);
    const std::string_view number(kept);
    if (number.size() >= 2 && number[0] == '&') {
        const char radix = static_cast<char>(number[1] | 0x20);
        if (radix == 'h') {
            return RadixInteger(number.substr(2), 16);
        }
        if (radix == 'o') {
            return RadixInteger(number.substr(2), 8);
        }
        return 0;
    }
    return DecimalNumber(number);
}

}  // namespace tubeline
