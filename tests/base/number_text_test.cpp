#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/decimal_comma_locale.h"

namespace tubeline {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The value of a text that must read as a number.
double ValueOf(std::string_view text) {
    const NumberText read = ReadNumberText(text);
    EXPECT_EQ(read.Reading, NumberText::Kind::Number) << '"' << text << '"';
    return read.Value;
}

TEST(ReadNumberText, ReadsDecimalNumbersWithBlanksAround) {
    EXPECT_EQ(ValueOf("150"), 150);
    EXPECT_EQ(ValueOf(" 150.5\t"), 150.5);
    EXPECT_EQ(ValueOf("-1"), -1);
    EXPECT_EQ(ValueOf("+.5"), 0.5);
    EXPECT_EQ(ValueOf("7."), 7);
    EXPECT_EQ(ValueOf("1e3"), 1000);
    EXPECT_EQ(ValueOf("1E-2"), 0.01);
    EXPECT_EQ(ValueOf("2.5D2"), 250);
    EXPECT_EQ(ValueOf("2.5d+1\r\n"), 25);
    EXPECT_TRUE(std::signbit(ValueOf("-0")));
}

TEST(ReadNumberText, ReadsHexadecimalAndOctalIntegers) {
    EXPECT_EQ(ValueOf("&H1F"), 31);
    EXPECT_EQ(ValueOf("&hff"), 255);
    EXPECT_EQ(ValueOf("&O17"), 15);
    EXPECT_EQ(ValueOf("&HFFFFFFFFFFFFFFFF"), 18446744073709551615.0);
}

TEST(ReadNumberText, FullWidthCharactersReadAsTheirAsciiCounterparts) {
    EXPECT_EQ(ValueOf("１２０"), 120);
    EXPECT_EQ(ValueOf("－２．５Ｅ＋１"), -25);
    EXPECT_EQ(ValueOf("＋０．３ｄ１"), 3);
    EXPECT_EQ(ValueOf("　１０　"), 10);
    EXPECT_EQ(ValueOf("＆Ｈ１Ｆ"), 31);
    EXPECT_EQ(ValueOf("1２.５"), 12.5);
}

TEST(ReadNumberText, TextThatIsNotOneNumberAsAWholeIsNotANumber) {
    for (const char* text :
         {"abc",  "1,5", "１，５", "120kV", "１０ミリ", "十",   "0.34.0", "1.2.3", "1 5",
          "1　5", "- 3", "2 . 5",  "-",     ".",        "3e",   "3e+",    "1e5.5", "+.e5",
          "NaN",  "inf", "&",      "&H",    "&X1",      "&O78", "&HFG",   "1\r2",  "=1"}) {
        EXPECT_EQ(ReadNumberText(text).Reading, NumberText::Kind::NotANumber) << '"' << text << '"';
    }
}

TEST(ReadNumberText, NothingButBlanksIsEmpty) {
    for (const char* text : {"", " ", "\t\n", "　"}) {
        EXPECT_EQ(ReadNumberText(text).Reading, NumberText::Kind::Empty) << '"' << text << '"';
    }
}

TEST(ReadNumberText, NumbersBeyondTheDoubleRangeReadAsInfinity) {
    EXPECT_EQ(ValueOf("1e999"), kInfinity);
    EXPECT_EQ(ValueOf("-1e400"), -kInfinity);
    EXPECT_EQ(ValueOf("1e99999999999999999999999"), kInfinity);
    EXPECT_EQ(ValueOf("1e-400"), 0);
    EXPECT_EQ(ValueOf("1e-99999999999999999999999"), 0);
    EXPECT_TRUE(std::signbit(ValueOf("-1e-400")));
    EXPECT_DOUBLE_EQ(ValueOf("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(ValueOf(std::string(400, '9')), kInfinity);
}

TEST(ReadNumberText, LongTextsAreReadCorrectlyRounded) {
    EXPECT_EQ(ValueOf("0." + std::string(500, '0') + "1e510"), 1e9);
    EXPECT_EQ(ValueOf("0.1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(ReadNumberText("100" + std::string(1'000'000, 'x')).Reading,
              NumberText::Kind::NotANumber);
}

TEST(ReadNumberText, DecimalPointIsAFullStopInEveryLocale) {
    const testing::DecimalCommaLocale locale;
    if (!locale.Available()) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(ValueOf("2.5"), 2.5);
    EXPECT_EQ(ReadNumberText("2,5").Reading, NumberText::Kind::NotANumber);
}

}  // namespace
}  // namespace tubeline
