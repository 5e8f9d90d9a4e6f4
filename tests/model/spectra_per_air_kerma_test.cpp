#include "model/spectra_per_air_kerma.h"

#include <gtest/gtest.h>

#include "model/beam_quality.h"

namespace tubeline {
namespace {

// A beam of a few lines on air's coefficients rising toward low energies, as real ones do.
SpectrumTable Beam(double scale) {
    SpectrumTable spectra;
    spectra.CentralSpectrum[40] = 2 * scale;   // 20 keV
    spectra.CentralSpectrum[100] = 5 * scale;  // 50 keV
    spectra.CentralSpectrum[160] = 1 * scale;  // 80 keV
    return spectra;
}

AttenuationTable Air() {
    AttenuationTable table;
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        table.MuEnAir[j] = 2.0 / j;
    }
    return table;
}

TEST(CentralSpectraPerAirKerma, PhotonsPerAirKermaAreTheFluencePerExposure) {
    const auto perKerma = CentralSpectraPerAirKerma(Beam(1), Air());
    ASSERT_TRUE(perKerma);
    double photonsPerMicrogray = 0;
    double kermaShares = 0;
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        photonsPerMicrogray += kEnergyStepKeV * perKerma->PhotonsPerMm2[j];
        kermaShares += kEnergyStepKeV * perKerma->AirKermaShare[j];
        EXPECT_DOUBLE_EQ(perKerma->EnergyPerMm2[j],
                         PhotonEnergyKeV(j) * perKerma->PhotonsPerMm2[j]);
    }
    // 1 C/kg of exposure is 3876 R of 86.9e-4 Gy, in µGy.
    const double micrograyPerExposure = 3876 * 86.9e-4 * 1e6;
    const auto quality = ComputeBeamQuality(Beam(1).CentralSpectrum, Air());
    ASSERT_TRUE(quality);
    EXPECT_NEAR(photonsPerMicrogray * micrograyPerExposure / quality->FluencePerExposure, 1, 1e-12);
    EXPECT_NEAR(kermaShares, 1, 1e-12);
    EXPECT_DOUBLE_EQ(perKerma->PhotonsPerMm2[100] / perKerma->PhotonsPerMm2[40], 2.5);
}

TEST(CentralSpectraPerAirKerma, TheSpectrumsOwnScaleCancels) {
    const auto relative = CentralSpectraPerAirKerma(Beam(1), Air());
    const auto absolute = CentralSpectraPerAirKerma(Beam(3.7e6), Air());
    ASSERT_TRUE(relative && absolute);
    for (const int j : {40, 100, 160}) {
        EXPECT_NEAR(absolute->PhotonsPerMm2[j] / relative->PhotonsPerMm2[j], 1, 1e-12) << j;
        EXPECT_NEAR(absolute->AirKermaShare[j] / relative->AirKermaShare[j], 1, 1e-12) << j;
    }
    EXPECT_FALSE(CentralSpectraPerAirKerma(Beam(0), Air()));
}

}  // namespace
}  // namespace tubeline
