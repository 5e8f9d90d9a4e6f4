#include "base/number_format.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace tubeline {
namespace {

TEST(NumberFormat, FixedRoundsToNearestWithADigitBeforeThePoint) {
    EXPECT_EQ(FormatFixed(2.5678, 2), "2.57");
    EXPECT_EQ(FormatFixed(12.3, 2), "12.30");
    EXPECT_EQ(FormatFixed(0.004, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.123456, 5), "0.12346");
    EXPECT_EQ(FormatFixed(1, 5), "1.00000");
    EXPECT_EQ(FormatFixed(1234.5, 5), "1234.50000");
    EXPECT_EQ(FormatFixed(-0.0, 5), "0.00000");
    EXPECT_EQ(FormatFixed(0.000004999, 5), "0.00000");
}

std::string ToCharsFixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return std::string(buffer.data(), end);
}

TEST(NumberFormat, FixedRoundsExactlyAsToCharsEvenNextToATie) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> unit(0, 1);
    for (const int decimals : {0, 1, 2, 5, 9}) {
        const double scale = std::pow(10.0, decimals);
        for (int i = 0; i < 20000; ++i) {
            // Relative fluences, peaks in the thousands, half-value layers, and the doubles
            // around a decimal tie such as 0.123455.
            const double fluence = unit(random);
            const double peak = 1e4 * unit(random);
            const double tie = (std::floor(1e5 * unit(random)) + 0.5) / scale;
            for (const double value : {fluence, peak, tie, std::nextafter(tie, 0.0),
                                       std::nextafter(tie, 1e300), 0.5 / scale}) {
                ASSERT_EQ(FormatFixed(value, decimals), ToCharsFixed(value, decimals))
                    << value << " to " << decimals << " decimals";
            }
        }
    }
    EXPECT_EQ(FormatFixed(-1.25, 1), "-1.2");
    EXPECT_EQ(FormatFixed(1e300, 2), ToCharsFixed(1e300, 2));
}

TEST(NumberFormat, ScientificHasThreeDecimalsAndASignedTwoDigitExponent) {
    EXPECT_EQ(FormatScientific(1.2344e10), "1.234E+10");
    EXPECT_EQ(FormatScientific(0.005), "5.000E-03");
    EXPECT_EQ(FormatScientific(6.78051e11), "6.781E+11");
    EXPECT_EQ(FormatScientific(-2.5e-7), "-2.500E-07");
    EXPECT_EQ(FormatScientific(1e100), "1.000E+100");
}

TEST(NumberFormat, EnergyHasFourDigitsBeforeThePoint) {
    EXPECT_EQ(FormatEnergy(0.5), "0000.5");
    EXPECT_EQ(FormatEnergy(60), "0060.0");
    EXPECT_EQ(FormatEnergy(150), "0150.0");
}

TEST(NumberFormat, GeneralFormHasNoSuperfluousDigits) {
    EXPECT_EQ(FormatGeneral(100), "100");
    EXPECT_EQ(FormatGeneral(2.5), "2.5");
    EXPECT_EQ(FormatGeneral(0.3 * 0.1 * 10), "0.3");
    EXPECT_EQ(FormatGeneral(12), "12");
    EXPECT_EQ(FormatGeneral(-1), "-1");
    EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(1e20), "1E+20");
    EXPECT_EQ(FormatGeneral(-0.0), "0");
}

TEST(NumberFormat, RoundTripFormReadsBackAsTheSameDouble) {
    EXPECT_EQ(FormatRoundTrip(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(FormatRoundTrip(2.5), "2.5");
    EXPECT_EQ(FormatRoundTrip(-0.0), "0");
    for (const double value : {1.0 / 3, 6.780123456789012e11, -4.9e-324, 1.7976931348623157e308}) {
        const std::string text = FormatRoundTrip(value);
        double read = 0;
        std::from_chars(text.data(), text.data() + text.size(), read);
        EXPECT_EQ(read, value) << text;
    }
}

}  // namespace
}  // namespace tubeline
