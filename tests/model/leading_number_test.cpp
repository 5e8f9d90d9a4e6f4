#include "model/leading_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace tubeline {
namespace {

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(LeadingNumber("150"), 150);
    EXPECT_EQ(LeadingNumber("150.5"), 150.5);
    EXPECT_EQ(LeadingNumber("120kV"), 120);
    EXPECT_EQ(LeadingNumber("1,5"), 1);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("-1"), -1);
    EXPECT_EQ(LeadingNumber("+.5"), 0.5);
    EXPECT_EQ(LeadingNumber("7."), 7);
}

TEST(LeadingNumber, IgnoresBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(LeadingNumber("2 . 5"), 2.5);
    EXPECT_EQ(LeadingNumber(" \t1\n0 0 "), 100);
    EXPECT_EQ(LeadingNumber("- 3"), -3);
    EXPECT_EQ(LeadingNumber("1 e 2"), 100);
    // A carriage return is not ignored: it ends the number.
    EXPECT_EQ(LeadingNumber("1\r2"), 1);
}

TEST(LeadingNumber, ReadsExponentsWithEOrD) {
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("1E-2"), 0.01);
    EXPECT_EQ(LeadingNumber("2.5D2"), 250);
    EXPECT_EQ(LeadingNumber("2.5d+1"), 25);
    // An exponent letter without digits belongs to the rest of the text.
    EXPECT_EQ(LeadingNumber("3e"), 3);
    EXPECT_EQ(LeadingNumber("3e+kV"), 3);
}

TEST(LeadingNumber, TextWithoutANumberReadsZero) {
    for (const char* text : {"", "abc", "-", ".", "+.e5", "kV100", "NaN", "inf", "&", "&X1"}) {
        EXPECT_EQ(LeadingNumber(text), 0) << '"' << text << '"';
    }
}

TEST(LeadingNumber, ReadsHexadecimalAndOctalIntegers) {
    EXPECT_EQ(LeadingNumber("&H1F"), 31);
    EXPECT_EQ(LeadingNumber("&hff"), 255);
    EXPECT_EQ(LeadingNumber("&O17"), 15);
    EXPECT_EQ(LeadingNumber("&O19"), 1);
    // 8 and 9 are no octal digits: the integer ends before them.
    EXPECT_EQ(LeadingNumber("&O78"), 7);
    EXPECT_EQ(LeadingNumber("&O9"), 0);
    EXPECT_EQ(LeadingNumber("&H"), 0);
    EXPECT_EQ(LeadingNumber("&HFFFFFFFFFFFFFFFF"), 18446744073709551615.0);
}

TEST(LeadingNumber, FullWidthCharactersReadAsTheirAsciiCounterparts) {
    EXPECT_EQ(LeadingNumber("１２０"), 120);
    EXPECT_EQ(LeadingNumber("１２０ｋＶ"), 120);
    EXPECT_EQ(LeadingNumber("－２．５Ｅ＋１"), -25);
    EXPECT_EQ(LeadingNumber("＋０．３ｄ１"), 3);
    EXPECT_EQ(LeadingNumber("　１　０"), 10);  // ideographic blanks are ignored like blanks
    EXPECT_EQ(LeadingNumber("１，５"), 1);     // the full-width comma ends the number
    EXPECT_EQ(LeadingNumber("＆Ｈ１Ｆ"), 31);
    EXPECT_EQ(LeadingNumber("1２.５"), 12.5);
    // Other Japanese characters end the number, as any other text does.
    EXPECT_EQ(LeadingNumber("１０ミリ"), 10);
    EXPECT_EQ(LeadingNumber("十"), 0);
}

TEST(LeadingNumber, NumbersBeyondTheDoubleRangeReadAsInfinity) {
    EXPECT_EQ(LeadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1e-400"), 0);
    EXPECT_EQ(LeadingNumber("1e-99999999999999999999999"), 0);
    EXPECT_TRUE(std::signbit(LeadingNumber("-1e-400")));
    EXPECT_DOUBLE_EQ(LeadingNumber("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(LeadingNumber, LongTextsAreReadCorrectlyRounded) {
    EXPECT_EQ(LeadingNumber("0." + std::string(500, '0') + "1e510"), 1e9);
    EXPECT_EQ(LeadingNumber("100" + std::string(1'000'000, 'x')), 100);
    EXPECT_EQ(LeadingNumber("0.1000000000000000055511151231257827"), 0.1);
}

TEST(LeadingNumber, DecimalPointIsAFullStopInEveryLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_EQ(LeadingNumber("2,5"), 2);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace tubeline
