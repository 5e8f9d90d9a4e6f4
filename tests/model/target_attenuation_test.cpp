#include "model/target_attenuation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "model/bremsstrahlung.h"
#include "model/emission_table.h"
#include "model/physics_constants.h"

namespace tubeline {
namespace {

// Rounding in the recurrence grows with the number of steps; it is largest where nothing is
// absorbed and all of about 300 steps count.
constexpr double kSumTolerance = 1e-12;

// The sum of one photon energy term by term, each attenuation its own exponential, from the
// lowest electron energy up.
double DirectSum(const EmissionTable& emission, double voltage, double densityTimesC, double x,
                 int j) {
    double sum = 0;
    for (int m = j; m <= HighestIndexAtOrBelow(voltage); ++m) {
        const double t = PhotonEnergyKeV(m);
        const double depth = (voltage * voltage - t * t) / densityTimesC;
        sum += std::exp(-x * depth) * emission.Row(m)[j];
    }
    return sum;
}

// Every version of the hot loop this processor runs is held to the term-by-term sum and to the
// very bits of the version the program uses.
TEST(SumSelfAbsorbedEmission, EveryVersionFollowsTheTermByTermSumToTheSameBits) {
    const EmissionTable& emission = EmissionTableOf<TuckerBremsstrahlung>();
    // Sample voltages with their Thomson-Whiddington constants, keV2 cm2/g.
    const struct {
        double Voltage, C;
    } samples[] = {{149.99, 840448}, {71.3, 713000}, {3.7, 186000}};
    // MuTarget * HeelFactor from none through the data's range (up to about 2e6 / cm at 1 keV
    // and the steepest heel) to far beyond it.
    const double attenuations[] = {0, 1e-3, 0.3, 30, 3e3, 3e5, 2e6, 1e9};
    for (const auto& sample : samples) {
        const double densityTimesC = kTungstenDensity * sample.C;
        const SlowingDownDepths depths = DepthsOfSample(sample.Voltage, sample.C);
        ASSERT_EQ(depths.Highest, HighestIndexAtOrBelow(sample.Voltage));
        for (const double x : attenuations) {
            EnergyArray perDepth{};
            perDepth.fill(x);
            EnergyArray inUse{};
            SumSelfAbsorbedEmission(emission, depths, perDepth, inUse);
            for (const SummingVersion& version : RunnableSummingVersions()) {
                EnergyArray sums{};
                sums.fill(-1);
                version.Sum(emission, depths, perDepth, sums);
                const auto where = [&](int j) {
                    return ::testing::Message() << version.InstructionSet << ", V " << sample.Voltage
                                              << ", x " << x << ", j " << j;
                };
                for (int j = 2; j <= depths.Highest; ++j) {
                    const double expected =
                        DirectSum(emission, sample.Voltage, densityTimesC, x, j);
                    EXPECT_NEAR(sums[j], expected, kSumTolerance * expected) << where(j);
                    EXPECT_EQ(std::bit_cast<std::uint64_t>(sums[j]),
                              std::bit_cast<std::uint64_t>(inUse[j]))
                        << where(j);
                }
                EXPECT_EQ(sums[1], -1) << "bin 1 is no photon energy of the sample";
                if (depths.Highest < kEnergyBinCount) {
                    EXPECT_EQ(sums[depths.Highest + 1], -1)
                        << "bins above the sample are left alone";
                }
            }
        }
    }
}

}  // namespace
}  // namespace tubeline
