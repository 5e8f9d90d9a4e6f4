// The model runs that the page times (scripts/bench-web), natively on one thread as the page
// has one: the default conditions and the worst case, 150 kV single-phase, of Tucker's model and
// of the physics model. Nothing is written.
// With --baseline_version the runs use the last version of the hot loop this processor runs
// (SSE2 on x86-64: two doubles a register, as WebAssembly SIMD has) instead of the widest.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/parallel_for.h"
#include "model/attenuation_table_file.h"
#include "model/condition_fields.h"
#include "model/spectrum_model.h"
#include "model/target_attenuation.h"

namespace tubeline::bench {
namespace {

constexpr std::string_view kBaselineFlag = "--baseline_version";

void RunModel(benchmark::State& loop, SpectrumModel model, double tubeVoltageKv,
              RectificationMode rectification) {
    // What a loop's own threads are told: every run inside stays on this thread.
    tInParallelLoop = true;
    const AttenuationTable attenuation =
        LoadAttenuationTable(std::filesystem::path(TUBELINE_DATA_DIR) / kAttenuationTableFileName);
    ConditionValues values = DefaultConditionValues(model);
    values.TubeVoltage = tubeVoltageKv;
    IrradiationConditions start;
    start.ModelChoice = model;
    start.Rectification = rectification;
    const IrradiationConditions conditions = CheckConditionValues(values, start).Conditions;
    const MaterialFilter noFilters;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(ComputeChosenModel({conditions, attenuation, noFilters}));
    }
}

BENCHMARK_CAPTURE(RunModel, defaults, kDefaultModel, 100, RectificationMode::ConstantPotential)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunModel, worst, kDefaultModel, 150, RectificationMode::SinglePhaseFullWave)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunModel, physics_defaults, SpectrumModel::Physics, 100,
                  RectificationMode::ConstantPotential)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunModel, physics_worst, SpectrumModel::Physics, 150,
                  RectificationMode::SinglePhaseFullWave)
    ->Unit(benchmark::kMillisecond);

// Removes the baseline flag from the arguments the benchmark library left; whether it was there.
bool TakeBaselineFlag(int& argc, char** argv) {
    char** const end = std::remove(argv + 1, argv + argc, kBaselineFlag);
    const bool found = end != argv + argc;
    argc = static_cast<int>(end - argv);
    return found;
}

}  // namespace
}  // namespace tubeline::bench

int main(int argc, char** argv) {
    using namespace tubeline;
    benchmark::Initialize(&argc, argv);
    const std::vector<SummingVersion>& versions = RunnableSummingVersions();
    const SummingVersion& version =
        bench::TakeBaselineFlag(argc, argv) ? versions.back() : versions.front();
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    UseSummingVersion(version);
    // Named in the report's context, so that the figures say which version they measured.
    benchmark::AddCustomContext("summing_version", version.InstructionSet);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
