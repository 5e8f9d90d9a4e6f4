// The model runs that the page times (scripts/bench-web), natively on one thread as the page
// has one: the default conditions and the worst case, 150 kV single-phase. Nothing is written.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/attenuation_table_file.h"
#include "model/condition_fields.h"
#include "model/parallel_for.h"
#include "model/spectrum_model.h"

namespace tubeline::bench {
namespace {

void RunModel(benchmark::State& loop, double tubeVoltageKv, RectificationMode rectification) {
    // What a loop's own threads are told: every run inside stays on this thread.
    tInParallelLoop = true;
    const AttenuationTable attenuation =
        LoadAttenuationTable(std::filesystem::path(TUBELINE_DATA_DIR) / kAttenuationTableFileName);
    ConditionValues values = DefaultConditionValues(kDefaultModel);
    values.TubeVoltageKv = tubeVoltageKv;
    IrradiationConditions start;
    start.Rectification = rectification;
    const IrradiationConditions conditions = CheckConditionValues(values, start).Conditions;
    const MaterialFilter noFilters;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(ComputeChosenModel({conditions, attenuation, noFilters}));
    }
}

BENCHMARK_CAPTURE(RunModel, defaults, 100, RectificationMode::ConstantPotential)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunModel, worst, 150, RectificationMode::SinglePhaseFullWave)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tubeline::bench

BENCHMARK_MAIN();
