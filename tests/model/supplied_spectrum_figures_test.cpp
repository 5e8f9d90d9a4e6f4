#include "model/supplied_spectrum_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/beam_quality_figures.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::ShippedAttenuation;
using Kind = SuppliedSpectrumRefusal::Kind;

SuppliedSpectrum OnTheTableGrid(const EnergyArray& photons) {
    SuppliedSpectrum spectrum;
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        spectrum.EnergiesKeV.push_back(PhotonEnergyKeV(j));
        spectrum.Photons.push_back(photons[j]);
    }
    return spectrum;
}

std::optional<BeamQualityFigures> FiguresOf(const SuppliedSpectrum& spectrum) {
    auto outcome = ComputeSuppliedSpectrumFigures(spectrum, ShippedAttenuation());
    EXPECT_TRUE(std::holds_alternative<std::optional<BeamQualityFigures>>(outcome));
    return std::get<std::optional<BeamQualityFigures>>(outcome);
}

TEST(SuppliedSpectrumFigures, OnTheTableGridTheyAreTheRunsOwnBitForBit) {
    for (const double kv : {40.0, 100.0, 150.0}) {
        CalculationState state = testing::TuckerBeamState(kv, 1);
        ASSERT_TRUE(testing::Completed(testing::RunModel(state)));
        const AngleFigures own = ComputeAngleFigures(state.Spectra, ShippedAttenuation());
        for (int a = 1; a <= kAngleCount; ++a) {
            EXPECT_EQ(FiguresOf(OnTheTableGrid(state.Spectra.PhotonSpectrum[a])), own[a])
                << kv << " kV, angle " << a;
        }
    }
}

TEST(SuppliedSpectrumFigures, CoefficientsAreTheTablesAtItsBinsAndLogLogBetween) {
    const EnergyArray& mu = ShippedAttenuation().MuAluminium;
    EXPECT_EQ(CoefficientAtKeV(mu, 0.5), mu[1]);
    EXPECT_EQ(CoefficientAtKeV(mu, 60), mu[120]);
    EXPECT_EQ(CoefficientAtKeV(mu, 150), mu[300]);
    // Halfway on the logarithmic energy scale lies the geometric mean.
    EXPECT_NEAR(CoefficientAtKeV(mu, std::sqrt(60 * 60.5)), std::sqrt(mu[120] * mu[121]),
                1e-12 * mu[120]);
}

// One line between the table's energies: the narrow beam of that energy.
TEST(SuppliedSpectrumFigures, MonoenergeticLineGivesLn2OverMu) {
    const AttenuationTable& table = ShippedAttenuation();
    for (const double keV : {17.3, 60.2, 118.75}) {
        const auto figures = FiguresOf({{keV}, {2.5}});
        ASSERT_TRUE(figures && figures->HalfValueLayerMm && figures->SecondHalfValueLayerMm &&
                    figures->HomogeneityCoefficient && figures->CopperHalfValueLayerMm &&
                    figures->EffectiveEnergyKeV)
            << keV;
        const double layerMm = 10 * std::numbers::ln2 / CoefficientAtKeV(table.MuAluminium, keV);
        EXPECT_NEAR(*figures->HalfValueLayerMm, layerMm, 1e-9 * layerMm) << keV;
        EXPECT_NEAR(*figures->SecondHalfValueLayerMm, layerMm, 1e-9 * layerMm) << keV;
        EXPECT_NEAR(*figures->HomogeneityCoefficient, 1, 1e-9) << keV;
        EXPECT_NEAR(*figures->CopperHalfValueLayerMm,
                    10 * std::numbers::ln2 / CoefficientAtKeV(table.MuCopper, keV), 1e-9)
            << keV;
        EXPECT_NEAR(*figures->EffectiveEnergyKeV, keV, 1e-9) << keV;
        EXPECT_DOUBLE_EQ(figures->MeanEnergyKeV, keV);
        EXPECT_DOUBLE_EQ(figures->KermaWeightedMeanEnergyKeV, keV);
        ASSERT_TRUE(figures->WaterToAirKermaRatio) << keV;
        EXPECT_DOUBLE_EQ(*figures->WaterToAirKermaRatio, CoefficientAtKeV(table.MuEnWater, keV) /
                                                             CoefficientAtKeV(table.MuEnAir, keV));
    }
}

// Lines from 5.5 keV up halve within the first 0.1 mm of aluminium, where the steps' curve has
// nothing to interpolate from, and never below the layer of the softest line alone.
TEST(SuppliedSpectrumFigures, SoftLinesHalveWhereAFineSearchDoes) {
    const AttenuationTable& table = ShippedAttenuation();
    const SuppliedSpectrum lines{{5.5, 6.4, 8, 11, 15}, {4, 3, 2, 1, 1}};
    const auto figures = FiguresOf(lines);
    ASSERT_TRUE(figures && figures->HalfValueLayerMm);
    const auto kermaLeft = [&](double cm) {
        double before = 0, after = 0;
        for (std::size_t i = 0; i < lines.Photons.size(); ++i) {
            const double keV = lines.EnergiesKeV[i];
            const double kerma = lines.Photons[i] * keV * CoefficientAtKeV(table.MuEnAir, keV);
            before += kerma;
            after += kerma * std::exp(-CoefficientAtKeV(table.MuAluminium, keV) * cm);
        }
        return after / before;
    };
    double thin = 0, thick = 0.01;
    for (int n = 0; n < 100; ++n) {
        const double middle = (thin + thick) / 2;
        (kermaLeft(middle) > 0.5 ? thin : thick) = middle;
    }
    const double fineMm = 10 * thin;
    EXPECT_NEAR(*figures->HalfValueLayerMm, fineMm, 0.005 * fineMm);
    EXPECT_GE(*figures->HalfValueLayerMm,
              10 * std::numbers::ln2 / CoefficientAtKeV(table.MuAluminium, 5.5));
}

TEST(SuppliedSpectrumFigures, LinesThatAreNoSpectrumAreRefusedAtTheFirstFault) {
    const auto refusal = [](const SuppliedSpectrum& spectrum) {
        const auto outcome = ComputeSuppliedSpectrumFigures(spectrum, ShippedAttenuation());
        const auto* refused = std::get_if<SuppliedSpectrumRefusal>(&outcome);
        return refused ? std::pair(refused->Reason, refused->Index) : std::pair(Kind{}, ~0UL);
    };
    EXPECT_EQ(refusal({{10, 20}, {1}}), std::pair(Kind::LengthsDiffer, 1UL));
    EXPECT_EQ(refusal({{}, {}}), std::pair(Kind::NoLines, 0UL));
    EXPECT_EQ(refusal({{10, 150.5}, {1, 1}}), std::pair(Kind::EnergyOutsideTable, 1UL));
    EXPECT_EQ(refusal({{0.25}, {1}}), std::pair(Kind::EnergyOutsideTable, 0UL));
    EXPECT_EQ(refusal({{10, NAN}, {1, 1}}), std::pair(Kind::EnergyOutsideTable, 1UL));
    EXPECT_EQ(refusal({{10, 30, 30}, {1, 1, 1}}), std::pair(Kind::EnergiesNotAscending, 2UL));
    EXPECT_EQ(refusal({{10, 20}, {1, -1}}), std::pair(Kind::PhotonsNotCountable, 1UL));
    EXPECT_EQ(refusal({{10, 20}, {INFINITY, 1}}), std::pair(Kind::PhotonsNotCountable, 0UL));

    // Photons below 5.5 keV only carry no kerma to halve: no figures, as for a model's spectrum.
    EXPECT_EQ(FiguresOf({{2, 5, 60}, {1, 1, 0}}), std::nullopt);
}

}  // namespace
}  // namespace tubeline
