#include "model/physics_source_term.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "model/bremsstrahlung_cross_section.h"
#include "model/depth_integral.h"
#include "model/emission_shape.h"
#include "peer_figures.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::PeerRows;

const PhysicsSourceTerm& ShippedSource() {
    static const PhysicsSourceTerm source(
        LoadTungstenTargetTables(testing::DataFolder() / kTungstenTargetFileName),
        LoadTungstenLines(testing::DataFolder() / kTungstenLinesFileName),
        testing::ShippedAttenuation().MuTarget);
    return source;
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The escaping part of a profile linear in depth, f = 1 + x, on a grid of four spacings, against
// its closed form (1 - (1 + X) e^(-aX)) / a + (1 - e^(-aX)) / a^2, for attenuations from none
// (the series) to one that leaves only the first interval.
TEST(DepthIntegral, IsExactForProfilesLinearBetweenDepths) {
    const DepthGrid grid{0.01, {0, 1, 2, 3, 5, 10, 20, 40}};
    std::vector<double> profile;
    for (const int steps : grid.Steps) {
        profile.push_back(1 + steps * grid.StepFraction);
    }
    const DepthIntegral integral(grid);
    const double depth = 0.4;
    EXPECT_DOUBLE_EQ(integral.Of(0, profile), depth + depth * depth / 2);
    for (const double a : {1e-3, 0.5, 20.0, 3000.0}) {
        const double absorbed = -std::expm1(-a * depth);  // 1 - e^(-aX), without cancellation
        const double expected = (absorbed - depth * std::exp(-a * depth)) / a + absorbed / (a * a);
        EXPECT_NEAR(integral.Of(a, profile) / expected, 1, 1e-12) << a;
    }
}

// The closed forms of the angular shape's Legendre moments against Simpson's rule over cos theta,
// from the series' range (0.3 keV) to 150 keV.
TEST(EmissionShapeMoments, AreTheShapesLegendreMoments) {
    for (const double electronKeV : {0.3, 5.0, 50.0, 150.0}) {
        const double beta = std::sqrt(BetaSquared(electronKeV));
        constexpr int kIntervals = 2000;
        std::array<double, kFluenceMomentCount> simpson{};
        for (int n = 0; n <= kIntervals; ++n) {
            const double c = -1 + 2.0 * n / kIntervals;
            const double weight = (n == 0 || n == kIntervals) ? 1 : (n % 2 == 1 ? 4 : 2);
            const double shape =
                (1 - beta * beta) / (4 * std::numbers::pi * std::pow(1 - beta * c, 2));
            const auto legendre = LegendrePolynomials(c);
            for (int l = 0; l < kFluenceMomentCount; ++l) {
                simpson[l] +=
                    weight * 2 * std::numbers::pi * shape * legendre[l] * (2.0 / kIntervals) / 3;
            }
        }
        const auto moments = EmissionShapeMoments(electronKeV);
        for (int l = 0; l < kFluenceMomentCount; ++l) {
            EXPECT_NEAR(moments[l], simpson[l], 2e-3 * std::pow(beta, l) + 1e-12)
                << electronKeV << " keV, order " << l;
        }
    }
}

// Thick-target bremsstrahlung of monoenergetic electrons, in absolute figures, against the
// peer's (SpekPy, whose electron tables these are, computed with its own integration): within
// 5 % at every 5 keV from 20 keV to 90 % of the electron energy, where neither integration's
// coarseness matters (below, the self-attenuation is steep; above, the unscattered electrons'
// peak), and within 3 % over that range; the K and L lines, attenuated with coherent scattering
// here and without it there, within 6 % and 10 %.
TEST(PhysicsSourceTerm, MonoenergeticElectronsEmitAsThePeerComputes) {
    std::map<std::pair<double, double>, std::vector<std::map<std::string, double>>> beams;
    for (const auto& row : PeerRows("physics-peer-electrons.tsv")) {
        beams[{row.at("kv"), row.at("take_off_deg")}].push_back(row);
    }
    ASSERT_GE(beams.size(), 2u);
    for (const auto& [beam, rows] : beams) {
        const auto [kv, takeOff] = beam;
        SCOPED_TRACE(::testing::Message() << kv << " keV, take-off " << takeOff << " degrees");
        const double angle[] = {Radians(takeOff)};
        const TargetEmission emission = ShippedSource().Emission(kv, angle).front();
        double computed = 0, peer = 0;
        for (const auto& row : rows) {
            const double energy = row.at("energy_kev");
            if (energy < 20 || energy > 0.9 * kv) {
                continue;
            }
            const double value = emission.Bremsstrahlung[static_cast<int>(energy / kEnergyStepKeV)];
            const double expected = row.at("bremsstrahlung_per_kev_sr");
            EXPECT_NEAR(value / expected, 1, 0.05) << energy << " keV";
            computed += value;
            peer += expected;
        }
        EXPECT_NEAR(computed / peer, 1, 0.03);

        double kLines = 0, lLines = 0;
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            (PhotonEnergyKeV(j) > 50 ? kLines : lLines) += emission.Lines[j] * kEnergyStepKeV;
        }
        const double peerK = rows.front().at("k_lines_per_sr");
        if (peerK > 0) {
            EXPECT_NEAR(kLines / peerK, 1, 0.06);
        } else {
            EXPECT_EQ(kLines, 0);
        }
        EXPECT_NEAR(lLines / rows.front().at("l_lines_per_sr"), 1, 0.10);
    }
}

// The heel effect: towards the anode the rays leave the target at smaller angles and cross more
// tungsten, so that fewer photons come out and those that do are harder.
TEST(PhysicsSourceTerm, SmallerTakeOffAnglesGiveFewerAndHarderPhotons) {
    std::vector<double> takeOffs;
    for (int a = kAngleCount; a >= 1; --a) {
        takeOffs.push_back(Radians(12 - EmissionAngleDegrees(a)));  // 2 .. 22 degrees
    }
    const std::vector<TargetEmission> emissions = ShippedSource().Emission(100, takeOffs);
    double previousPhotons = 0, previousMean = INFINITY;
    for (std::size_t a = 0; a < emissions.size(); ++a) {
        double photons = 0, energy = 0;
        for (int j = 2; j <= kEnergyBinCount; ++j) {
            const double n = emissions[a].Bremsstrahlung[j] + emissions[a].Lines[j];
            photons += n;
            energy += n * PhotonEnergyKeV(j);
        }
        const double mean = energy / photons;
        EXPECT_GT(photons, previousPhotons) << takeOffs[a];
        EXPECT_LT(mean, previousMean) << takeOffs[a];
        previousPhotons = photons;
        previousMean = mean;
    }
}

}  // namespace
}  // namespace tubeline
