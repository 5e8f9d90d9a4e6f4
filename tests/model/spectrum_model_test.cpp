#include "model/spectrum_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/spectrum_table_file.h"
#include "oracle/straightforward_model.h"
#include "support/test_data.h"
#include "texts/run_messages.h"
#include "texts/result_texts.h"

namespace tubeline {
namespace {

using testing::InputsOf;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::ShippedAttenuation;
using testing::WriteBytes;

constexpr RectificationMode kConstant = RectificationMode::ConstantPotential;

// Three arbitrary filters as the filter dialog would leave them: two in use, one released.
MaterialFilter SomeArbitraryFilters() {
    MaterialFilter filters;
    filters.FilterCount = 2;
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        filters.MuFilter[1][j] = 1.5 * ShippedAttenuation().MuAluminium[j];
        filters.MuFilter[2][j] = 0.2 * ShippedAttenuation().MuCopper[j];
    }
    filters.FilterThickness = {0, 0.5, 0.2, 70};
    return filters;
}

CalculationState StateFor(SpectrumModel model, RectificationMode rectification, double kv,
                          double angle, bool filtered) {
    CalculationState state;
    state.Attenuation = ShippedAttenuation();
    state.Conditions = {
        {kv, angle, filtered ? 2.5 : 0.0, filtered ? 1.0 : 0.0, filtered ? 0.1 : 0.0},
        model,
        rectification};
    if (filtered) {
        state.Filters = SomeArbitraryFilters();
    }
    return state;
}

// The first place where two arrays differ, for a readable failure.
template <class Array>
std::string FirstDifference(const char* name, const Array& expected, const Array& actual) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] != actual[i]) {
            std::ostringstream text;
            text.precision(17);
            text << name << '[' << i << "]: oracle " << expected[i] << ", production " << actual[i];
            return text.str();
        }
    }
    return {};
}

template <class Array>
std::string FirstDifference2(const char* name, const Array& expected, const Array& actual) {
    for (std::size_t a = 0; a < expected.size(); ++a) {
        if (auto difference = FirstDifference(name, expected[a], actual[a]); !difference.empty()) {
            return "angle " + std::to_string(a) + ": " + difference;
        }
    }
    return {};
}

void ExpectSameSpectra(const SpectrumTable& expected, const SpectrumTable& actual) {
    EXPECT_EQ(FirstDifference("SampleSpectrum", expected.SampleSpectrum, actual.SampleSpectrum),
              "");
    EXPECT_EQ(FirstDifference2("PhotonSpectrum", expected.PhotonSpectrum, actual.PhotonSpectrum),
              "");
    EXPECT_EQ(FirstDifference("AnglePeak", expected.AnglePeak, actual.AnglePeak), "");
    EXPECT_EQ(expected.SpectrumPeak, actual.SpectrumPeak);
    EXPECT_EQ(FirstDifference2("EnergyFluenceSpectrum", expected.EnergyFluenceSpectrum,
                               actual.EnergyFluenceSpectrum),
              "");
    EXPECT_EQ(expected.EnergyFluencePeak, actual.EnergyFluencePeak);
    EXPECT_EQ(FirstDifference2("KermaSpectrum", expected.KermaSpectrum, actual.KermaSpectrum), "");
    EXPECT_EQ(expected.KermaPeak, actual.KermaPeak);
    EXPECT_EQ(FirstDifference("CentralSpectrum", expected.CentralSpectrum, actual.CentralSpectrum),
              "");
}

// Where two results differ most relative to the expected value, for a readable failure. A zero
// expected value must be matched exactly.
struct Deviation {
    double Relative = 0;
    std::string Where = "nowhere";

    void Widen(const std::string& where, double expected, double actual) {
        if (expected == actual) {
            return;
        }
        const double relative =
            expected == 0 ? HUGE_VAL : std::fabs(actual - expected) / std::fabs(expected);
        if (!(relative <= Relative)) {
            std::ostringstream text;
            text.precision(17);
            text << where << ": oracle " << expected << ", production " << actual;
            Relative = relative;
            Where = text.str();
        }
    }
    template <class Array>
    void WidenEach(const std::string& name, const Array& expected, const Array& actual) {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            Widen(name + '[' + std::to_string(i) + ']', expected[i], actual[i]);
        }
    }
    template <class Array>
    void WidenEachRow(const std::string& name, const Array& expected, const Array& actual) {
        for (std::size_t a = 0; a < expected.size(); ++a) {
            WidenEach(name + '[' + std::to_string(a) + ']', expected[a], actual[a]);
        }
    }
};

Deviation SpectraDeviation(const SpectrumTable& expected, const SpectrumTable& actual) {
    Deviation worst;
    worst.WidenEach("SampleSpectrum", expected.SampleSpectrum, actual.SampleSpectrum);
    worst.WidenEachRow("PhotonSpectrum", expected.PhotonSpectrum, actual.PhotonSpectrum);
    worst.WidenEach("AnglePeak", expected.AnglePeak, actual.AnglePeak);
    worst.Widen("SpectrumPeak", expected.SpectrumPeak, actual.SpectrumPeak);
    worst.WidenEachRow("EnergyFluenceSpectrum", expected.EnergyFluenceSpectrum,
                       actual.EnergyFluenceSpectrum);
    worst.Widen("EnergyFluencePeak", expected.EnergyFluencePeak, actual.EnergyFluencePeak);
    worst.WidenEachRow("KermaSpectrum", expected.KermaSpectrum, actual.KermaSpectrum);
    worst.Widen("KermaPeak", expected.KermaPeak, actual.KermaPeak);
    worst.WidenEach("CentralSpectrum", expected.CentralSpectrum, actual.CentralSpectrum);
    return worst;
}

// The production pipeline sums in another order and follows the target attenuation by a
// recurrence; the oracle evaluates every term on its own.
constexpr double kRelativeTolerance = 1e-12;
constexpr double kHalfValueLayerToleranceMm = 1e-12;

using GridPoint = std::tuple<SpectrumModel, RectificationMode, double, double, bool>;

class AgreesWithOracle : public ::testing::TestWithParam<GridPoint> {};

TEST_P(AgreesWithOracle, SpectraAgreeAndTableFileAndTextsAreIdentical) {
    const auto [model, rectification, kv, angle, filtered] = GetParam();
    CalculationState state = StateFor(model, rectification, kv, angle, filtered);
    const oracle::OracleRun expected =
        oracle::RunStraightforward(state.Conditions, state.Attenuation, state.Filters);

    const RunOutcome outcome = testing::RunModel(state);
    ASSERT_TRUE(testing::Completed(outcome)) << RunRefusalMessage(std::get<RunRefusal>(outcome));
    const ModelRun& run = std::get<ModelRun>(outcome);

    const Deviation spectra = SpectraDeviation(expected.Spectra, state.Spectra);
    EXPECT_LE(spectra.Relative, kRelativeTolerance) << spectra.Where;
    Deviation quality;
    quality.WidenEach("KermaTransmission", expected.Quality.KermaTransmission,
                      state.Quality.KermaTransmission);
    quality.Widen("FluencePerExposure", expected.Quality.FluencePerExposure,
                  state.Quality.FluencePerExposure);
    EXPECT_LE(quality.Relative, kRelativeTolerance) << quality.Where;
    // Interpolating between two transmissions 0.1 mm apart magnifies their relative
    // differences for the thinnest layers, so the layer is held to an absolute bound instead.
    ASSERT_TRUE(state.Quality.HalfValueLayer);
    EXPECT_NEAR(*state.Quality.HalfValueLayer, *expected.Quality.HalfValueLayer,
                kHalfValueLayerToleranceMm);
    EXPECT_EQ(run.TableText, expected.TableFile);
    const BeamQualityTexts texts = ResultTexts(run.Quality);
    EXPECT_EQ(texts.HalfValueLayer, expected.HalfValueLayerText);
    EXPECT_EQ(texts.FluencePerExposure, expected.FluencePerExposureText);
}

std::string GridPointName(const ::testing::TestParamInfo<GridPoint>& info) {
    const auto [model, rectification, kv, angle, filtered] = info.param;
    return std::string(model == SpectrumModel::Tucker ? "Tucker" : "Birch") + "_rect" +
           std::to_string(static_cast<int>(rectification)) + "_" +
           std::to_string(static_cast<int>(kv)) + "kV_" + std::to_string(static_cast<int>(angle)) +
           "deg" + (filtered ? "_filtered" : "_bare");
}

INSTANTIATE_TEST_SUITE_P(
    Grid, AgreesWithOracle,
    ::testing::Combine(::testing::Values(SpectrumModel::Tucker, SpectrumModel::Birch),
                       ::testing::Values(RectificationMode::ConstantPotential,
                                         RectificationMode::ThreePhaseTwelvePulse,
                                         RectificationMode::SinglePhaseFullWave),
                       ::testing::Values(30.0, 70.0, 71.0, 100.0, 150.0),
                       ::testing::Values(12.0, 16.0, 45.0), ::testing::Bool()),
    GridPointName);

TEST(SpectrumModel, NoRunLeaksIntoTheNext) {
    for (const SpectrumModel model : {SpectrumModel::Tucker, SpectrumModel::Birch}) {
        CalculationState reused =
            StateFor(model, RectificationMode::SinglePhaseFullWave, 150, 12, true);
        ASSERT_TRUE(testing::Completed(testing::RunModel(reused)));
        reused.Conditions.TubeVoltage = 50;
        reused.Conditions.Rectification = RectificationMode::ConstantPotential;
        ASSERT_TRUE(testing::Completed(testing::RunModel(reused)));

        CalculationState fresh =
            StateFor(model, RectificationMode::ConstantPotential, 50, 12, true);
        ASSERT_TRUE(testing::Completed(testing::RunModel(fresh)));
        ExpectSameSpectra(fresh.Spectra, reused.Spectra);
        EXPECT_EQ(fresh.Quality.KermaShare, reused.Quality.KermaShare);
        EXPECT_EQ(fresh.Quality.KermaTransmission, reused.Quality.KermaTransmission);
        EXPECT_EQ(fresh.Quality.HalfValueLayer, reused.Quality.HalfValueLayer);
        EXPECT_EQ(fresh.Quality.FluencePerExposure, reused.Quality.FluencePerExposure);
    }
}

TEST(SpectrumModel, ModelChoiceRunsItsModel) {
    CalculationState tucker = StateFor(SpectrumModel::Tucker, kConstant, 100, 16, false);
    CalculationState birch = StateFor(SpectrumModel::Birch, kConstant, 100, 16, false);
    const auto spectra = [](const RunOutcome& outcome) {
        return std::get<ModelRun>(outcome).Spectra->PhotonSpectrum;
    };
    const AngleEnergyArray tuckerSpectra = spectra(ComputeTuckerSpectra(InputsOf(tucker)));
    const AngleEnergyArray birchSpectra = spectra(ComputeBirchSpectra(InputsOf(birch)));
    EXPECT_EQ(spectra(ComputeChosenModel(InputsOf(tucker))), tuckerSpectra);
    EXPECT_EQ(spectra(ComputeChosenModel(InputsOf(birch))), birchSpectra);
    EXPECT_NE(tuckerSpectra, birchSpectra);
}

TEST(SpectrumModel, SpectraHaveTheShapeOfTheModel) {
    for (const SpectrumModel model : {SpectrumModel::Tucker, SpectrumModel::Birch}) {
        CalculationState state =
            StateFor(model, RectificationMode::ConstantPotential, 71, 12, false);
        ASSERT_TRUE(testing::Completed(testing::RunModel(state)));
        const SpectrumTable& spectra = state.Spectra;
        double largestFluence = 0, largestKerma = 0;
        for (int a = 1; a <= kAngleCount; ++a) {
            EXPECT_EQ(spectra.PhotonSpectrum[a][1], 0);
            // The sample voltage lies a hair below 71 kV, so 71.0 keV (bin 142) stays empty.
            EXPECT_EQ(spectra.PhotonSpectrum[a][142], 0);
            EXPECT_GT(spectra.PhotonSpectrum[a][141], 0);
            largestFluence =
                std::max(largestFluence, *std::max_element(spectra.EnergyFluenceSpectrum[a].begin(),
                                                           spectra.EnergyFluenceSpectrum[a].end()));
            largestKerma =
                std::max(largestKerma, *std::max_element(spectra.KermaSpectrum[a].begin(),
                                                         spectra.KermaSpectrum[a].end()));
        }
        EXPECT_EQ(largestFluence, 1);
        EXPECT_EQ(largestKerma, 1);
        // Heel effect: the longest path through the target is on the anode side.
        EXPECT_LT(spectra.AnglePeak[11], spectra.AnglePeak[6]);
        EXPECT_LT(spectra.AnglePeak[6], spectra.AnglePeak[1]);
        // K lines at 58.0, 59.5, 67.0 and 69.0 keV: a bump in the sample spectrum from just
        // above 70 kV, while at 70 kV the sample voltage lies a hair below 70 and adds none.
        for (const int bin : {116, 119, 134, 138}) {
            const EnergyArray& sample = spectra.SampleSpectrum;
            EXPECT_GT(sample[bin], 1.01 * (sample[bin - 1] + sample[bin + 1]) / 2) << bin;
        }
        state.Conditions.TubeVoltage = 70;
        ASSERT_TRUE(testing::Completed(testing::RunModel(state)));
        for (const int bin : {116, 119, 134, 138}) {
            const EnergyArray& sample = state.Spectra.SampleSpectrum;
            EXPECT_LT(sample[bin], 1.01 * (sample[bin - 1] + sample[bin + 1]) / 2) << bin;
        }
    }
}

TEST(SpectrumModel, ReleasedFilterSlotsTransmitEverything) {
    CalculationState bare =
        StateFor(SpectrumModel::Tucker, RectificationMode::ThreePhaseTwelvePulse, 90, 14, false);
    CalculationState released = bare;
    released.Filters.FilterThickness = {0, 30, 30, 30};
    testing::RunModel(bare);
    testing::RunModel(released);
    EXPECT_EQ(bare.Spectra.PhotonSpectrum, released.Spectra.PhotonSpectrum);
}

TEST(SpectrumModel, ZeroSpectraAreRefused) {
    CalculationState state = StateFor(SpectrumModel::Birch, kConstant, 100, 16, false);
    state.Conditions.CopperFilter = 1e7;  // 10 km of copper
    const RunOutcome outcome = testing::RunModel(state);
    ASSERT_TRUE(std::holds_alternative<RunRefusal>(outcome));
    EXPECT_EQ(std::get<RunRefusal>(outcome), RunRefusal::ZeroSpectra);
    EXPECT_NE(RunRefusalMessage(RunRefusal::ZeroSpectra)
                  .find("スペクトルがすべてのエネルギーで 0 になりました"),
              std::string::npos);
}

TEST(SpectrumModel, ValuesBeyondTheDoubleRangeAreRefused) {
    CalculationState state = StateFor(SpectrumModel::Tucker, kConstant, 100, 12, false);
    state.Conditions.AluminiumFilter = -1e6;  // a negative filter amplifies without bound
    const RunOutcome outcome = testing::RunModel(state);
    ASSERT_TRUE(std::holds_alternative<RunRefusal>(outcome));
    EXPECT_EQ(std::get<RunRefusal>(outcome), RunRefusal::OutOfRange);
    EXPECT_EQ(state.Spectra.SpectrumPeak, 0);
}

}  // namespace
}  // namespace tubeline
