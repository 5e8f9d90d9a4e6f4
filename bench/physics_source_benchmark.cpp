// The physics model's spectra of the eleven emission angles, per mAs, at the conditions'
// defaults (100 kV, constant potential, a 12-degree target, 2.5 mm aluminium inherent
// filtration) and at 150 kV single-phase (45 waveform samples), beside Tucker's spectra under
// the same conditions. Goals: under 5 ms and under 20 ms elapsed. The processor time of all
// threads is counted as well; the samples are spread over the worker threads.
//
//   tubeline_physics_bench             (built with -DTUBELINE_BUILD_BENCH=ON)

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/attenuation_table_file.h"
#include "model/bremsstrahlung.h"
#include "model/physics_beam.h"
#include "model/spectrum_pipeline.h"
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

IrradiationConditions ConditionsOf(const PhysicsCase& physicsCase) {
    IrradiationConditions conditions;
    conditions.ModelChoice = SpectrumModel::Tucker;
    conditions.TubeVoltage = physicsCase.TubeVoltage;
    conditions.TargetAngle = 12;
    conditions.InherentFiltration = 2.5;
    conditions.Rectification = physicsCase.Rectification;
    return conditions;
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
    static const PhysicsSourceTerm source(LoadTungstenTargetTables(kData / kTungstenTargetFileName),
                                          LoadTungstenLines(kData / kTungstenLinesFileName),
                                          attenuation.MuTarget);
    static const MaterialFilter noFilters;
    benchmark::RegisterBenchmark(
        "physics_source_term_load",
        [](benchmark::State& loop) {
            for (auto _ : loop) {
                const PhysicsSourceTerm loaded(
                    LoadTungstenTargetTables(kData / kTungstenTargetFileName),
                    LoadTungstenLines(kData / kTungstenLinesFileName), attenuation.MuTarget);
                benchmark::DoNotOptimize(&loaded);
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    for (const PhysicsCase& physicsCase : kCases) {
        const IrradiationConditions conditions = ConditionsOf(physicsCase);
        benchmark::RegisterBenchmark(("physics_" + physicsCase.Name).c_str(),
                                     [conditions](benchmark::State& loop) {
                                         const double processorStart = ProcessorMilliseconds();
                                         for (auto _ : loop) {
                                             const AngleEnergyArray spectra = PhysicsSpectraPerMas(
                                                 source, {conditions, attenuation, noFilters});
                                             benchmark::DoNotOptimize(spectra);
                                         }
                                         CountProcessorTime(loop, processorStart);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        // Tucker's spectra of the same conditions, for the ratio of the two.
        benchmark::RegisterBenchmark(("tucker_" + physicsCase.Name).c_str(),
                                     [conditions](benchmark::State& loop) {
                                         const double processorStart = ProcessorMilliseconds();
                                         for (auto _ : loop) {
                                             SpectrumTable spectra;
                                             ComputeSpectra<TuckerBremsstrahlung>(
                                                 {conditions, attenuation, noFilters}, spectra);
                                             benchmark::DoNotOptimize(spectra);
                                         }
                                         CountProcessorTime(loop, processorStart);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
