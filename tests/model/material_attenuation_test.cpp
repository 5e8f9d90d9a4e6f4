#include "model/material_attenuation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_data.h"

namespace tubeline {
namespace {

// Density 2 g/cm3. The total falls as E^-3 from 1 to 4 keV, jumps at an edge at 5 keV from 8 to
// 40 cm2/g and falls as E^-1 above it, so log-log interpolation is exact and every value can be
// worked out by hand.
constexpr const char* kHandMaterial =
    "Hand\n2\n5\n"
    "0.001,100,200,700,0,0\n"
    "0.004,0.625,5,10,0,0\n"
    "0.005,1,2,5,0,0\n"
    "0.005,1,2,37,0,0\n"
    "0.2,0.25,0.5,0.25,0,0\n";

// Logarithms and the exponential leave a few units in the last place.
::testing::AssertionResult Close(double actual, double expected) {
    if (std::abs(actual - expected) <= 1e-12 * expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

TEST(MuFilterOf, InterpolatesLogLogAtWholeKeV) {
    const EnergyArray mu = MuFilterOf(ParseMaterialFile(kHandMaterial, "hand"));
    // An exact first row at 1 keV: density times its total.
    EXPECT_TRUE(Close(mu[2], 2 * 1000.0));
    EXPECT_TRUE(Close(mu[4], 2 * 1000.0 / 8));   // 2 keV
    EXPECT_TRUE(Close(mu[6], 2 * 1000.0 / 27));  // 3 keV
    EXPECT_TRUE(Close(mu[8], 2 * 15.625));       // a tabulated row
    EXPECT_TRUE(Close(mu[20], 2 * 40.0 / 2));    // 10 keV
    EXPECT_TRUE(Close(mu[300], 2 * 40.0 / 30));  // 150 keV
}

TEST(MuFilterOf, AnEdgeEnergyTakesTheRowAboveTheEdge) {
    const EnergyArray mu = MuFilterOf(ParseMaterialFile(kHandMaterial, "hand"));
    EXPECT_TRUE(Close(mu[10], 2 * 40.0));
    EXPECT_TRUE(Close(mu[12], 2 * 40.0 * 5 / 6));
}

TEST(MuFilterOf, HalfKeVAreArithmeticMeansAndHalfAKeVCopiesOneKeV) {
    const EnergyArray mu = MuFilterOf(ParseMaterialFile(kHandMaterial, "hand"));
    EXPECT_EQ(mu[1], mu[2]);
    EXPECT_EQ(mu[3], 0.5 * (mu[2] + mu[4]));
    // Across the edge the mean, not an interpolation: (31.25 + 80) / 2.
    EXPECT_TRUE(Close(mu[9], 55.625));
    EXPECT_EQ(mu[299], 0.5 * (mu[298] + mu[300]));
    EXPECT_EQ(mu[0], 0);
}

// The metals that the attenuation table also holds, from the same xraylib cross sections.
TEST(MuFilterOf, ShippedMetalsAgreeWithTheAttenuationTable) {
    const AttenuationTable& table = testing::ShippedAttenuation();
    const struct {
        const char* file;
        const EnergyArray& expected;
    } metals[] = {
        {"Al.ele", table.MuAluminium}, {"Cu.ele", table.MuCopper}, {"W.ele", table.MuTarget}};
    for (const auto& metal : metals) {
        const EnergyArray mu = MuFilterOf(LoadMaterialFile(testing::DataFolder() / metal.file));
        for (int j = 2; j <= kEnergyBinCount; j += 2) {
            // The aluminium densities differ by 0.004 %; the table rounds to seven digits.
            EXPECT_NEAR(mu[j] / metal.expected[j], 1, 2e-4)
                << metal.file << " at " << j / 2 << " keV";
        }
    }
}

}  // namespace
}  // namespace tubeline
