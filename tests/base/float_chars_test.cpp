#include "base/float_chars.h"

#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/joining_thread.h"
#include "support/decimal_comma_locale.h"

namespace tubeline {
namespace {

// Doubles of every kind a run or a typed field produces, and the awkward ones: random bit
// patterns over the whole range, short decimals, powers of two (where the spacing of doubles
// halves), their neighbours, subnormals and the extremes.
std::vector<double> SampleDoubles() {
    std::mt19937_64 random(20261208);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.1,
                                  0.3,
                                  2.5,
                                  100,
                                  1e20,
                                  1e21,
                                  1e-5,
                                  1e-4,
                                  123456789012345680.0,
                                  5e-324,
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        values.insert(values.end(),
                      {power, std::nextafter(power, 0.0), std::nextafter(power, HUGE_VAL)});
    }
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<int> digits(0, 999999);
    std::uniform_int_distribution<int> exponents(-30, 30);
    for (int i = 0; i < 6000; ++i) {
        const double pattern = std::bit_cast<double>(bits(random));
        if (std::isfinite(pattern)) {
            values.push_back(pattern);
        }
        values.push_back(digits(random) * std::pow(10.0, exponents(random)));
    }
    return values;
}

TEST(FloatChars, FallbackWritesWhatToCharsWrites) {
    for (const double value : SampleDoubles()) {
        ASSERT_EQ(fallback::ShortestDoubleText(value), ShortestDoubleText(value)) << value;
        for (const auto format : {std::chars_format::fixed, std::chars_format::scientific,
                                  std::chars_format::general}) {
            for (const int precision : {0, 1, 2, 3, 5, 15}) {
                if (format == std::chars_format::fixed && std::fabs(value) > 1e40) {
                    continue;  // to_chars' own buffer here holds up to 400 characters
                }
                ASSERT_EQ(fallback::DoubleText(value, format, precision),
                          DoubleText(value, format, precision))
                    << value << " format " << static_cast<int>(format) << " precision "
                    << precision;
            }
        }
    }
}

TEST(FloatChars, FallbackReadsWhatFromCharsReads) {
    std::vector<std::string> texts = {
        "1e400", "-1e400",   "1e-400", "1e-310", "4.9e-324", "2e-324", "2.4703282292062328e-324",
        ".5",    "5.",       "-.5e3",  "1e",     "1e+",      "1.5e-x", "inf",
        "-INF",  "Infinity", "nan",    "-nan",   "nan(12)",  "nan(1-", "0x1p3",
        "-",     "",         ".",      "+1",     " 1",       "00012",  "1.7976931348623159e308",
        "0e999", "1,5",      "12abc",  "0.000"};
    for (const double value : SampleDoubles()) {
        texts.push_back(ShortestDoubleText(value));
        texts.push_back(DoubleText(value, std::chars_format::scientific, 20));
    }
    for (const std::string& text : texts) {
        double expected = -7;
        double actual = -7;
        const auto standard = ReadDouble(text.data(), text.data() + text.size(), expected);
        const auto ours = fallback::ReadDouble(text.data(), text.data() + text.size(), actual);
        ASSERT_EQ(ours.ptr - text.data(), standard.ptr - text.data()) << text;
        ASSERT_EQ(ours.ec, standard.ec) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
            << text;
    }
}

// The C library's conversions under the fallbacks follow LC_NUMERIC; the texts must not.
TEST(FloatChars, FallbackKeepsTheFullStopInEveryLocale) {
    const testing::DecimalCommaLocale locale;
    if (!locale.Available()) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(fallback::DoubleText(2.5, std::chars_format::fixed, 2), "2.50");
    EXPECT_EQ(fallback::ShortestDoubleText(0.1), "0.1");
    for (const auto& [text, value, length] :
         {std::tuple{"2.5", 2.5, 3}, std::tuple{"2,5", 2.0, 1}, std::tuple{"1.25e2", 125.0, 6}}) {
        double read = 0;
        const std::string_view view(text);
        const auto result = fallback::ReadDouble(view.data(), view.data() + view.size(), read);
        EXPECT_EQ(read, value) << text;
        EXPECT_EQ(result.ptr - view.data(), length) << text;
    }
}

TEST(FloatChars, FallbackThreadIsJoinedWhenDestroyed) {
    std::atomic<int> done = 0;
    {
        std::vector<fallback::JoiningThread> threads;
        for (int i = 0; i < 3; ++i) {
            threads.emplace_back([&done] { ++done; });
        }
    }
    EXPECT_EQ(done, 3);
}

}  // namespace
}  // namespace tubeline
