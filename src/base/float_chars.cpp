#include "float_chars.h"

#include <array>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tubeline {

#if defined(__cpp_lib_to_chars)

std::string DoubleText(double value, std::chars_format format, int precision) {
    // Wide enough for %f of the largest double.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

std::string ShortestDoubleText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

#else

std::string DoubleText(double value, std::chars_format format, int precision) {
    return fallback::DoubleText(value, format, precision);
}

std::string ShortestDoubleText(double value) {
    return fallback::ShortestDoubleText(value);
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    return fallback::ReadDouble(first, last, value);
}

#endif

namespace fallback {
namespace {

// The C library writes and reads the locale's decimal point; the texts here always use ".".
std::string_view LocaleDecimalPoint() {
    return std::localeconv()->decimal_point;
}

std::string WithFullStop(std::string text) {
    const std::string_view point = LocaleDecimalPoint();
    if (point != ".") {
        if (const std::size_t at = text.find(point); at != std::string::npos) {
            text.replace(at, point.size(), ".");
        }
    }
    return text;
}

std::string Printed(const char* conversion, int precision, double value) {
    const int length = std::snprintf(nullptr, 0, conversion, precision, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), conversion, precision, value);
    text.resize(static_cast<std::size_t>(length));
    return WithFullStop(std::move(text));
}

double CLibraryRead(std::string text) {
    const std::string_view point = LocaleDecimalPoint();
    if (const std::size_t at = text.find('.'); at != std::string::npos && point != ".") {
        text.replace(at, 1, point);
    }
    return std::strtod(text.c_str(), nullptr);
}

// A decimal number: significant digits (no leading zeros) and the power of ten of the last.
struct Decimal {
    std::uint64_t Digits = 0;
    int Exponent10 = 0;
};

std::string DigitsOf(std::uint64_t digits) {
    return std::to_string(digits);
}

bool ReadsBackAs(const Decimal& decimal, double value) {
    return CLibraryRead(DigitsOf(decimal.Digits) + "e" + std::to_string(decimal.Exponent10)) ==
           std::fabs(value);
}

// The magnitude rounded to `count` significant digits, as %.*e rounds it.
Decimal RoundedTo(double magnitude, int count) {
    const std::string text = Printed("%.*e", count - 1, magnitude);  // d.ddde+XX
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + (e > 1 ? text.substr(2, e - 2) : "");
    return {std::stoull(digits), std::stoi(text.substr(e + 1)) - (count - 1)};
}

// printf's %e form or %f form of the digits, whichever is shorter. A whole number in the fixed
// form is written exactly: its exact digits are as many as the rounded ones and closer.
std::string Styled(const Decimal& decimal, double magnitude, bool negative) {
    std::string digits = DigitsOf(decimal.Digits);
    int exponent10 = decimal.Exponent10;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent10;
    }
    const int count = static_cast<int>(digits.size());
    const int scientificExponent = exponent10 + count - 1;
    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        scientific += "." + digits.substr(1);
    }
    const int shownExponent = std::abs(scientificExponent);
    scientific += std::string(scientificExponent < 0 ? "e-" : "e+") +
                  (shownExponent < 10 ? "0" : "") + std::to_string(shownExponent);
    std::string fixed;
    if (exponent10 > 0) {
        fixed = Printed("%.*f", 0, magnitude);
    } else if (exponent10 == 0) {
        fixed = digits;
    } else if (scientificExponent >= 0) {
        fixed =
            digits.substr(0, scientificExponent + 1) + "." + digits.substr(scientificExponent + 1);
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-scientificExponent - 1), '0') + digits;
    }
    const std::string& shorter = scientific.size() < fixed.size() ? scientific : fixed;
    return (negative ? "-" : "") + shorter;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() < lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != lower[i]) {
            return false;
        }
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string DoubleText(double value, std::chars_format format, int precision) {
    const char* conversion = format == std::chars_format::fixed        ? "%.*f"
                             : format == std::chars_format::scientific ? "%.*e"
                                                                       : "%.*g";
    return Printed(conversion, precision, value);
}

std::string ShortestDoubleText(double value) {
    const bool negative = std::signbit(value);
    if (!std::isfinite(value)) {
        return std::string(negative ? "-" : "") + (std::isinf(value) ? "inf" : "nan");
    }
    if (value == 0) {
        return negative ? "-0" : "0";
    }
    const double magnitude = std::fabs(value);
    constexpr int kMostSignificantDigits = 17;
    for (int count = 1;; ++count) {
        const Decimal rounded = RoundedTo(magnitude, count);
        if (ReadsBackAs(rounded, magnitude) || count == kMostSignificantDigits) {
            return Styled(rounded, magnitude, negative);
        }
        // Next to a power of two the doubles below lie half as far apart as those above, and the
        // nearest decimal of this length can miss the narrower side while the one beyond it on
        // the wider side reads back.
        for (const std::int64_t step : {-1, 1}) {
            const Decimal neighbour{rounded.Digits + static_cast<std::uint64_t>(step),
                                    rounded.Exponent10};
            if (ReadsBackAs(neighbour, magnitude)) {
                return Styled(neighbour, magnitude, negative);
            }
        }
    }
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view unsigned_ = text.substr(negative ? 1 : 0);
    const double sign = negative ? -1.0 : 1.0;
    const char* numberStart = first + (negative ? 1 : 0);
    if (EqualsIgnoringCase(unsigned_, "inf")) {
        value = sign * HUGE_VAL;
        return {numberStart + (EqualsIgnoringCase(unsigned_, "infinity") ? 8 : 3), {}};
    }
    if (EqualsIgnoringCase(unsigned_, "nan")) {
        std::size_t length = 3;
        if (const std::size_t close = unsigned_.find(')');
            unsigned_.size() > 3 && unsigned_[3] == '(' && close != std::string_view::npos) {
            bool plain = true;
            for (std::size_t i = 4; i < close; ++i) {
                plain = plain && (std::isalnum(static_cast<unsigned char>(unsigned_[i])) ||
                                  unsigned_[i] == '_');
            }
            length = plain ? close + 1 : 3;
        }
        value = std::copysign(NAN, sign);
        return {numberStart + length, {}};
    }
    std::size_t at = 0;
    bool anyDigit = false;
    bool nonZeroDigit = false;
    const auto takeDigits = [&] {
        for (; at < unsigned_.size() && IsDigit(unsigned_[at]); ++at) {
            anyDigit = true;
            nonZeroDigit = nonZeroDigit || unsigned_[at] != '0';
        }
    };
    takeDigits();
    if (at < unsigned_.size() && unsigned_[at] == '.') {
        ++at;
        takeDigits();
    }
    if (!anyDigit) {
        return {first, std::errc::invalid_argument};
    }
    if (at < unsigned_.size() && (unsigned_[at] == 'e' || unsigned_[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < unsigned_.size() &&
            (unsigned_[exponent] == '+' || unsigned_[exponent] == '-')) {
            ++exponent;
        }
        if (exponent < unsigned_.size() && IsDigit(unsigned_[exponent])) {
            at = exponent;
            while (at < unsigned_.size() && IsDigit(unsigned_[at])) {
                ++at;
            }
        }
    }
    const char* end = numberStart + at;
    const double read = CLibraryRead(std::string(unsigned_.substr(0, at)));
    if (std::isinf(read) || (read == 0 && nonZeroDigit)) {
        return {end, std::errc::result_out_of_range};
    }
    value = sign * read;
    return {end, {}};
}

}  // namespace fallback

}  // namespace tubeline
