// One run of the physics model, the eleven angles' spectra with the beam quality and the table
// file as every run computes them (ComputeChosenModel), at the conditions' defaults (100 kV,
// constant potential, a 12-degree target, 2.5 mm aluminium inherent filtration) and at 150 kV
// single-phase (45 waveform samples), beside Tucker's model under the same conditions; and the
// reading of the model's data, which its first run in a data folder does. Goals: a run under
// 5 ms and under 20 ms elapsed. The processor time of all threads is counted as well; the
// samples are spread over the worker threads.
//
//   tubeline_physics_bench             (built with -DTUBELINE_BUILD_BENCH=ON)

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/attenuation_table_file.h"
#include "model/physics_target_data.h"
#include "model/spectrum_model.h"
#include "ratio_reporter.h"

namespace tubeline::bench {
namespace {

const std::filesystem::path kData = TUBELINE_DATA_DIR;

struct PhysicsCase {
    std::string Name;
    double TubeVoltage;
    RectificationMode Rectification;
};

const std::vector<PhysicsCase> kCases = {
    {"defaults_100kV_constant_potential", 100, RectificationMode::ConstantPotential},
    {"150kV_single_phase", 150, RectificationMode::SinglePhaseFullWave},
};

IrradiationConditions ConditionsOf(const PhysicsCase& physicsCase, SpectrumModel model) {
    IrradiationConditions conditions;
    conditions.ModelChoice = model;
    conditions.TubeVoltage = physicsCase.TubeVoltage;
    conditions.TargetAngle = 12;
    conditions.InherentFiltration = 2.5;
    conditions.Rectification = physicsCase.Rectification;
    return conditions;
}

void RegisterRun(const std::string& name, const IrradiationConditions& conditions,
                 const AttenuationTable& attenuation) {
    benchmark::RegisterBenchmark(
        name.c_str(),
        [conditions, &attenuation](benchmark::State& loop) {
            const MaterialFilter noFilters;
            const double processorStart = ProcessorMilliseconds();
            for (auto _ : loop) {
                benchmark::DoNotOptimize(ComputeChosenModel({conditions, attenuation, noFilters}));
            }
            CountProcessorTime(loop, processorStart);
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace
}  // namespace tubeline::bench

int main(int argc, char** argv) {
    using namespace tubeline;
    using namespace tubeline::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    static const AttenuationTable attenuation =
        LoadAttenuationTable(kData / kAttenuationTableFileName);
    benchmark::RegisterBenchmark("physics_data_load",
                                 [](benchmark::State& loop) {
                                     for (auto _ : loop) {
                                         const PhysicsTargetData loaded(kData,
                                                                        attenuation.MuTarget);
                                         benchmark::DoNotOptimize(loaded.Source());
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    for (const PhysicsCase& physicsCase : kCases) {
        RegisterRun("physics_" + physicsCase.Name,
                    ConditionsOf(physicsCase, SpectrumModel::Physics), attenuation);
        RegisterRun("tucker_" + physicsCase.Name, ConditionsOf(physicsCase, SpectrumModel::Tucker),
                    attenuation);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
