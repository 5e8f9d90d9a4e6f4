#include "model/beam_quality.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tubeline {
namespace {

constexpr int kBin = 120;  // 60 keV

// Every coefficient the same at every energy, so that one bin behaves like a narrow beam.
AttenuationTable Uniform(double muAluminium, double muEnAir) {
    AttenuationTable table;
    table.MuAluminium.fill(muAluminium);
    table.MuEnAir.fill(muEnAir);
    return table;
}

EnergyArray Monoenergetic(double photons) {
    EnergyArray spectrum{};
    spectrum[kBin] = photons;
    return spectrum;
}

// For one energy the kerma falls exponentially and the log-linear interpolation is exact.
double NarrowBeamLayerMm(double muAluminium) {
    return 10 * std::numbers::ln2 / muAluminium;
}

TEST(ComputeBeamQuality, MonoenergeticBeamHasTheNarrowBeamHalfValueLayer) {
    for (const double mu : {0.75, 3.0, 100.0}) {
        const auto quality = ComputeBeamQuality(Monoenergetic(5), Uniform(mu, 0.03));
        ASSERT_TRUE(quality && quality->HalfValueLayer) << mu;
        EXPECT_NEAR(*quality->HalfValueLayer, NarrowBeamLayerMm(mu), 1e-9) << mu;
    }
}

TEST(ComputeBeamQuality, BeyondThirtyMillimetresTheSearchGoesOn) {
    const auto beyond30 = ComputeBeamQuality(Monoenergetic(5), Uniform(0.1, 0.03));
    ASSERT_TRUE(beyond30 && beyond30->HalfValueLayer);
    EXPECT_NEAR(*beyond30->HalfValueLayer, NarrowBeamLayerMm(0.1), 1e-9);
    EXPECT_GT(beyond30->KermaTransmission[300], 50);

    const auto beyond100 = ComputeBeamQuality(Monoenergetic(5), Uniform(0.05, 0.03));
    ASSERT_TRUE(beyond100);
    EXPECT_FALSE(beyond100->HalfValueLayer);
}

TEST(ComputeBeamQuality, FluencePerExposureFollowsFromTheKermaPerPhoton) {
    const double muEn = 0.03;
    const auto quality = ComputeBeamQuality(Monoenergetic(1e-3), Uniform(0.75, muEn));
    ASSERT_TRUE(quality);
    // Photons per mm2 per C/kg: 1 C/kg = 3876 R, 1 R = 86.9e-4 Gy, 1 keV/g = 1.602e-13 Gy.
    const double kermaPerPhotonGy = 1.602e-13 * 60 * muEn;
    const double expected = 3876 * 86.9e-4 / kermaPerPhotonGy / 100;
    EXPECT_NEAR(quality->FluencePerExposure / expected, 1, 1e-12);
}

TEST(ComputeBeamQuality, BinsBelowElevenCountOnlyForTheFluence) {
    EnergyArray spectrum = Monoenergetic(5);
    const auto alone = ComputeBeamQuality(spectrum, Uniform(3, 0.03));
    spectrum[10] = 5;
    const auto withSoftBin = ComputeBeamQuality(spectrum, Uniform(3, 0.03));
    ASSERT_TRUE(alone && withSoftBin);
    EXPECT_EQ(*alone->HalfValueLayer, *withSoftBin->HalfValueLayer);
    EXPECT_GT(withSoftBin->FluencePerExposure, alone->FluencePerExposure);
}

TEST(ComputeBeamQuality, SpectrumWithoutKermaAboveFiveKeVGivesNothing) {
    EXPECT_FALSE(ComputeBeamQuality(EnergyArray{}, Uniform(3, 0.03)));
    EnergyArray soft{};
    soft[10] = 1;
    EXPECT_FALSE(ComputeBeamQuality(soft, Uniform(3, 0.03)));
    EXPECT_FALSE(ComputeBeamQuality(Monoenergetic(1e-320), Uniform(3, 1e-10)));
}

}  // namespace
}  // namespace tubeline
