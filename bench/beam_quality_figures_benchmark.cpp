// The beam-quality figures of the eleven angles of one run, and whole half-value-layer matches
// (each trial a model run), under the default conditions of the calculation: Tucker, 100 kV,
// 12 degrees, constant potential, 2.5 mm Al inherent filtration.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <variant>

#include "model/attenuation_table_file.h"
#include "model/beam_quality_figures.h"
#include "model/half_value_layer_match.h"
#include "model/spectrum_model.h"

namespace tubeline::bench {
namespace {

constexpr double kDefaultInherentMm = 2.5;

CalculationState DefaultState(double copperMm) {
    CalculationState state;
    state.Attenuation =
        LoadAttenuationTable(std::filesystem::path(TUBELINE_DATA_DIR) / kAttenuationTableFileName);
    state.Conditions = {{100, 12, kDefaultInherentMm, 0, copperMm},
                        SpectrumModel::Tucker,
                        RectificationMode::ConstantPotential};
    return state;
}

// The harder the beam, the longer its attenuation curves: bare, and behind 0.5 mm Cu.
void FiguresOfElevenAngles(benchmark::State& loop, double copperMm) {
    CalculationState state = DefaultState(copperMm);
    const RunOutcome outcome =
        ComputeChosenModel({state.Conditions, state.Attenuation, state.Filters});
    const auto* run = std::get_if<ModelRun>(&outcome);
    if (run == nullptr) {
        loop.SkipWithError("the model run failed");
        return;
    }
    for (auto _ : loop) {
        benchmark::DoNotOptimize(ComputeAngleFigures(*run->Spectra, state.Attenuation));
    }
}
BENCHMARK_CAPTURE(FiguresOfElevenAngles, bare, 0.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FiguresOfElevenAngles, behind_0_5mm_Cu, 0.5)->Unit(benchmark::kMicrosecond);

void MatchHalfValueLayerWith(benchmark::State& loop, AddedFilter varied, double targetMm) {
    const CalculationState state = DefaultState(0);
    const ModelInputs inputs{state.Conditions, state.Attenuation, state.Filters};
    for (auto _ : loop) {
        const HalfValueLayerMatch match = MatchHalfValueLayer(inputs, targetMm, varied);
        if (!std::holds_alternative<HalfValueLayerReached>(match)) {
            loop.SkipWithError("the target was not reached");
            break;
        }
        benchmark::DoNotOptimize(match);
    }
}
BENCHMARK_CAPTURE(MatchHalfValueLayerWith, aluminium_to_5mm, AddedFilter::Aluminium, 5.0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(MatchHalfValueLayerWith, copper_to_8_5mm, AddedFilter::Copper, 8.5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tubeline::bench

BENCHMARK_MAIN();
