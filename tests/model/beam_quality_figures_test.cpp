#include "model/beam_quality_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "model/beam_quality.h"
#include "model/spectrum_model.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::ShippedAttenuation;
using testing::TuckerBeamState;

constexpr double kLn2 = std::numbers::ln2;

// The thickness x (cm) in [0, 100] where a falling function of x reaches `level`, by bisection.
double Root(const std::function<double(double)>& falling, double level) {
    double lo = 0, hi = 100;
    for (int n = 0; n < 200; ++n) {
        const double mid = (lo + hi) / 2;
        (falling(mid) > level ? lo : hi) = mid;
    }
    return lo;
}

TEST(BeamQualityFigures, MonoenergeticBeamIsItsOwnNarrowBeam) {
    const AttenuationTable& table = ShippedAttenuation();
    for (const int bin : {40, 120, 250}) {  // 20, 60, 125 keV
        const double keV = 0.5 * bin;
        EnergyArray spectrum{};
        spectrum[bin] = 7;
        const auto figures = ComputeBeamQualityFigures(spectrum, table);
        ASSERT_TRUE(figures) << keV;
        const double layerMm = 10 * kLn2 / table.MuAluminium[bin];
        ASSERT_TRUE(figures->HalfValueLayerMm && figures->SecondHalfValueLayerMm &&
                    figures->HomogeneityCoefficient && figures->CopperHalfValueLayerMm &&
                    figures->EffectiveEnergyKeV)
            << keV;
        EXPECT_NEAR(*figures->HalfValueLayerMm, layerMm, 1e-9) << keV;
        EXPECT_NEAR(*figures->SecondHalfValueLayerMm, layerMm, 1e-9) << keV;
        EXPECT_NEAR(*figures->HomogeneityCoefficient, 1, 1e-11) << keV;
        EXPECT_NEAR(*figures->CopperHalfValueLayerMm, 10 * kLn2 / table.MuCopper[bin], 1e-9) << keV;
        EXPECT_NEAR(*figures->EffectiveEnergyKeV, keV, 1e-9);
        EXPECT_DOUBLE_EQ(figures->MeanEnergyKeV, keV);
        EXPECT_DOUBLE_EQ(figures->KermaWeightedMeanEnergyKeV, keV);
        ASSERT_TRUE(figures->WaterToAirKermaRatio && figures->SoftTissueToAirKermaRatio) << keV;
        EXPECT_DOUBLE_EQ(*figures->WaterToAirKermaRatio, table.MuEnWater[bin] / table.MuEnAir[bin]);
        EXPECT_DOUBLE_EQ(*figures->SoftTissueToAirKermaRatio,
                         table.MuEnSoftTissue[bin] / table.MuEnAir[bin]);
    }
}

// Lines at 30 and 80 keV (3 and 1 photons) and a soft one at 5 keV, below the bins that weigh
// the half-value layers; air's coefficient is the same everywhere, so the kerma weights are E x
// photons.
TEST(BeamQualityFigures, ThreeLineSpectrumAgreesWithHandCalculation) {
    AttenuationTable table = ShippedAttenuation();
    table.MuEnAir.fill(0.05);
    table.MuEnWater[10] = 0.06;
    table.MuEnWater[60] = 0.055;
    table.MuEnWater[160] = 0.052;
    EnergyArray spectrum{};
    spectrum[60] = 3;
    spectrum[160] = 1;
    spectrum[10] = 1;
    const auto figures = ComputeBeamQualityFigures(spectrum, table);
    ASSERT_TRUE(figures && figures->HalfValueLayerMm && figures->SecondHalfValueLayerMm &&
                figures->CopperHalfValueLayerMm && figures->EffectiveEnergyKeV);

    EXPECT_DOUBLE_EQ(figures->MeanEnergyKeV, (5 * 1 + 30 * 3 + 80 * 1) / 5.0);
    EXPECT_DOUBLE_EQ(figures->KermaWeightedMeanEnergyKeV,
                     (5 * 5 * 1 + 30 * 30 * 3 + 80 * 80 * 1) / (5 * 1 + 30 * 3 + 80 * 1.0));
    // The soft line counts for the kerma as for the fluence.
    ASSERT_TRUE(figures->WaterToAirKermaRatio);
    EXPECT_DOUBLE_EQ(*figures->WaterToAirKermaRatio,
                     (5 * 1 * 0.06 + 30 * 3 * 0.055 + 80 * 1 * 0.052) / (0.05 * (5 + 90 + 80)));

    // Kerma left behind x cm, from the 30- and 80-keV lines only (weights 90 : 80).
    const auto left = [](const EnergyArray& mu) {
        return [&mu](double x) {
            return (90 * std::exp(-mu[60] * x) + 80 * std::exp(-mu[160] * x)) / 170;
        };
    };
    const double half = Root(left(table.MuAluminium), 0.5);
    const double quarter = Root(left(table.MuAluminium), 0.25);
    // Log-linear interpolation between 0.1-mm steps of a sum of two exponentials.
    EXPECT_NEAR(*figures->HalfValueLayerMm, 10 * half, 1e-3);
    EXPECT_NEAR(*figures->SecondHalfValueLayerMm, 10 * (quarter - half), 1e-3);
    EXPECT_LT(*figures->HomogeneityCoefficient, 0.8);
    EXPECT_NEAR(*figures->CopperHalfValueLayerMm, 10 * Root(left(table.MuCopper), 0.5), 1e-3);
    EXPECT_GT(*figures->EffectiveEnergyKeV, 30);
    EXPECT_LT(*figures->EffectiveEnergyKeV, 80);
}

TEST(BeamQualityFigures, FiguresBeyondTheSearchRangeAreAbsent) {
    AttenuationTable table;
    table.MuEnAir.fill(0.03);
    table.MuCopper.fill(0.5);  // 13.9 mm Cu to halve: beyond 10 mm
    EnergyArray spectrum{};
    spectrum[120] = 1;

    table.MuAluminium.fill(0.1);  // halved behind 69 mm Al, quartered only behind 139 mm
    const auto halved = ComputeBeamQualityFigures(spectrum, table);
    ASSERT_TRUE(halved && halved->HalfValueLayerMm);
    EXPECT_FALSE(halved->SecondHalfValueLayerMm);
    EXPECT_FALSE(halved->HomogeneityCoefficient);
    EXPECT_FALSE(halved->CopperHalfValueLayerMm);
    // A table without water's and soft tissue's coefficients has no kerma ratios.
    EXPECT_FALSE(halved->WaterToAirKermaRatio);
    EXPECT_FALSE(halved->SoftTissueToAirKermaRatio);

    table.MuAluminium.fill(0.05);  // 139 mm Al to halve
    const auto beyond = ComputeBeamQualityFigures(spectrum, table);
    ASSERT_TRUE(beyond);
    EXPECT_FALSE(beyond->HalfValueLayerMm);
    EXPECT_FALSE(beyond->EffectiveEnergyKeV);
    EXPECT_DOUBLE_EQ(beyond->MeanEnergyKeV, 60);

    EXPECT_FALSE(ComputeBeamQualityFigures(EnergyArray{}, table));
}

CalculationState BeamOf(double aluminiumMm) {
    CalculationState state = TuckerBeamState(100, aluminiumMm);
    EXPECT_TRUE(testing::Completed(testing::RunModel(state)));
    return state;
}

TEST(BeamQualityFigures, EveryAngleAgreesWithTheShownBeamQuality) {
    const CalculationState state = BeamOf(0);
    const AngleFigures figures = ComputeAngleFigures(state.Spectra, state.Attenuation);
    EXPECT_FALSE(figures[0]);
    ASSERT_TRUE(figures[kCentralAngleIndex]);
    EXPECT_EQ(*figures[kCentralAngleIndex],
              ComputeBeamQualityFigures(state.Spectra.CentralSpectrum, state.Attenuation));
    EXPECT_EQ(figures[kCentralAngleIndex]->HalfValueLayerMm, state.Quality.HalfValueLayer);
    EXPECT_EQ(figures[kCentralAngleIndex]->FluencePerExposure, state.Quality.FluencePerExposure);
    for (int a = 1; a <= kAngleCount; ++a) {
        const auto quality = ComputeBeamQuality(state.Spectra.PhotonSpectrum[a], state.Attenuation);
        ASSERT_TRUE(quality && figures[a] && figures[a]->SecondHalfValueLayerMm) << a;
        EXPECT_EQ(figures[a]->HalfValueLayerMm, quality->HalfValueLayer) << a;
        EXPECT_EQ(figures[a]->FluencePerExposure, quality->FluencePerExposure) << a;
        // A polyenergetic beam hardens as it passes the first layer.
        EXPECT_GT(*figures[a]->SecondHalfValueLayerMm, *figures[a]->HalfValueLayerMm) << a;
    }
    // The longer path through the target on the anode side hardens the beam there.
    EXPECT_GT(*figures[11]->HalfValueLayerMm, *figures[6]->HalfValueLayerMm);
    EXPECT_GT(*figures[6]->HalfValueLayerMm, *figures[1]->HalfValueLayerMm);
}

// The air kerma left, as a fraction, behind x cm of a material with coefficients mu (1/cm):
// the bins from 5.5 keV up, each weighted by its air kerma.
double KermaLeft(const EnergyArray& spectrum, const AttenuationTable& table, const EnergyArray& mu,
                 double x) {
    double before = 0, after = 0;
    for (int j = 11; j <= kEnergyBinCount; ++j) {
        const double kerma = spectrum[j] * PhotonEnergyKeV(j) * table.MuEnAir[j];
        before += kerma;
        after += kerma * std::exp(-mu[j] * x);
    }
    return after / before;
}

// Unfiltered beams halve within the first 0.1-mm step of aluminium (and the first 0.01 mm of
// copper), where the steps' curve has no point to interpolate from.
TEST(BeamQualityFigures, LayersWithinTheFirstStepAreThoseOfAFineSearch) {
    for (const auto [model, kv] :
         {std::pair(SpectrumModel::Tucker, 100.0), std::pair(SpectrumModel::Birch, 40.0)}) {
        CalculationState state = TuckerBeamState(kv);
        state.Conditions.ModelChoice = model;
        state.Conditions.InherentFiltration = 0;
        ASSERT_TRUE(testing::Completed(testing::RunModel(state)));
        const EnergyArray& spectrum = state.Spectra.CentralSpectrum;
        const auto figures = ComputeBeamQualityFigures(spectrum, state.Attenuation);
        ASSERT_TRUE(figures && figures->HalfValueLayerMm && figures->CopperHalfValueLayerMm);
        const auto left = [&](const EnergyArray& mu) {
            return [&](double x) { return KermaLeft(spectrum, state.Attenuation, mu, x); };
        };
        const double aluminiumMm = 10 * Root(left(state.Attenuation.MuAluminium), 0.5);
        const double copperMm = 10 * Root(left(state.Attenuation.MuCopper), 0.5);
        ASSERT_LT(aluminiumMm, 0.1) << kv;
        ASSERT_LT(copperMm, 0.01) << kv;
        EXPECT_NEAR(*figures->HalfValueLayerMm, aluminiumMm, 0.005 * aluminiumMm) << kv;
        EXPECT_NEAR(*figures->CopperHalfValueLayerMm, copperMm, 0.005 * copperMm) << kv;
        EXPECT_EQ(figures->HalfValueLayerMm, state.Quality.HalfValueLayer) << kv;
    }
}

TEST(BeamQualityFigures, AddedAluminiumHardensTheBeam) {
    double lastLayer = 0, lastHomogeneity = 0;
    for (const double mm : {0.0, 0.5, 1.0, 2.0, 4.0, 8.0, 16.0}) {
        const CalculationState state = BeamOf(mm);
        const auto figures =
            ComputeBeamQualityFigures(state.Spectra.CentralSpectrum, state.Attenuation);
        ASSERT_TRUE(figures && figures->HalfValueLayerMm && figures->HomogeneityCoefficient);
        EXPECT_GT(*figures->HalfValueLayerMm, lastLayer) << mm;
        EXPECT_GT(*figures->HomogeneityCoefficient, lastHomogeneity) << mm;
        lastLayer = *figures->HalfValueLayerMm;
        lastHomogeneity = *figures->HomogeneityCoefficient;
    }
    EXPECT_LT(lastHomogeneity, 1);
}

}  // namespace
}  // namespace tubeline
