// One calculation as a script asks for it (the attenuation table and the material files as kept
// between runs, the filters added, the conditions checked, the run, the figures of every angle),
// timed without the Python module, which adds the arrays of the spectra, the records and the
// interpreter's own work.
// bench/python_binding.py times the same conditions through tubeline.compute; each benchmark's
// label gives them as compute's arguments.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "python/kept_data_files.h"

namespace tubeline::bench {
namespace {

struct BenchCase {
    std::string Name;
    std::string Arguments;  // compute's keyword arguments, name=value
    ScriptedRequest Conditions;
};

// The lightest runs, where a fixed cost of the binding weighs most, and the heaviest.
std::vector<BenchCase> Cases(const std::filesystem::path& data) {
    const auto conditions = [&](SpectrumModel model, double kv, double angle, int rectification,
                                std::vector<FilterRequest> filters = {}) {
        return ScriptedRequest{{model, RectificationMode(rectification),
                                ConditionValues{kv, angle, 2.5, 0, 0}, filters},
                               data};
    };
    return {
        {"tucker_100kV_constant_potential", "model=tucker kv=100 angle=12 rectification=1",
         conditions(SpectrumModel::Tucker, 100, 12, 1)},
        {"birch_100kV_constant_potential", "model=birch kv=100 angle=16 rectification=1",
         conditions(SpectrumModel::Birch, 100, 16, 1)},
        {"birch_100kV_lead_filter", "model=birch kv=100 angle=16 rectification=1 lead_mm=0.1",
         conditions(SpectrumModel::Birch, 100, 16, 1, {{data / "Pb.ele", 0.1}})},
        {"tucker_150kV_single_phase", "model=tucker kv=150 angle=12 rectification=3",
         conditions(SpectrumModel::Tucker, 150, 12, 3)},
    };
}

void RunScriptedCase(benchmark::State& loop, const BenchCase& benchCase) {
    for (auto _ : loop) {
        const ScriptedOutcome<ScriptedRun> outcome =
            RunScripted(benchCase.Conditions, *ProcessDataFiles());
        if (!std::holds_alternative<ScriptedRun>(outcome)) {
            loop.SkipWithError("the run was refused");
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
    loop.SetLabel(benchCase.Arguments);
}

}  // namespace
}  // namespace tubeline::bench

int main(int argc, char** argv) {
    using namespace tubeline::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    for (const BenchCase& benchCase : Cases(TUBELINE_DATA_DIR)) {
        benchmark::RegisterBenchmark(
            ("scripted/" + benchCase.Name).c_str(),
            [benchCase](benchmark::State& loop) { RunScriptedCase(loop, benchCase); })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
