// Whole model runs (spectra, normalisations, table file, beam quality) of the production
// pipeline, with every version of the hot loop that the processor has, and of the
// straightforward oracle under the same conditions, in one process, so that the ratios of their
// times are measured on one machine under one load. Beside the elapsed times, which the goals
// are for (the time the operator waits), the processor times of all threads are counted.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "model/attenuation_table_file.h"
#include "model/spectrum_model.h"
#include "oracle/straightforward_model.h"
#include "ratio_reporter.h"
#include "summing_versions.h"

namespace tubeline::bench {
namespace {

constexpr double kDefaultInherentMm = 2.5;  // the conditions' starting value

struct BenchCase {
    std::string Name;
    SpectrumModel Model;
    double TubeVoltage;
    double TargetAngle;
    RectificationMode Rectification;
    double LeastRatio;  // oracle time / production time to reach; 0 for none
};

// Single-phase full-wave at 150 kV is the most work: 45 samples reaching 150 kV. The default
// conditions are those of tubeline-calc without options: Tucker at 12 degrees, 100 kV, constant
// potential, 2.5 mm inherent filtration. Birch there has no goal: its straightforward run is so
// light that what both do alike (formatting and writing the table file, the beam quality) is
// most of the production run.
const std::vector<BenchCase> kCases = {
    {"tucker_150kV_single_phase", SpectrumModel::Tucker, 150, 12,
     RectificationMode::SinglePhaseFullWave, 50},
    {"birch_150kV_single_phase", SpectrumModel::Birch, 150, 16,
     RectificationMode::SinglePhaseFullWave, 15},
    {"tucker_150kV_three_phase", SpectrumModel::Tucker, 150, 12,
     RectificationMode::ThreePhaseTwelvePulse, 0},
    {"birch_150kV_three_phase", SpectrumModel::Birch, 150, 16,
     RectificationMode::ThreePhaseTwelvePulse, 0},
    {"tucker_100kV_constant_potential", SpectrumModel::Tucker, 100, 12,
     RectificationMode::ConstantPotential, 20},
    {"birch_100kV_constant_potential", SpectrumModel::Birch, 100, 16,
     RectificationMode::ConstantPotential, 0},
};

// A fresh folder for the table files, removed at the end of the run.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tubeline-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a folder for the table files");
        }
        path_ = pattern;
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path TableFile() const { return path_ / "B_SPCTL.temp"; }

  private:
    std::filesystem::path path_;
};

CalculationState StateFor(const BenchCase& benchCase, const AttenuationTable& attenuation) {
    CalculationState state;
    state.Attenuation = attenuation;
    state.Conditions = {{benchCase.TubeVoltage, benchCase.TargetAngle, kDefaultInherentMm, 0, 0},
                        benchCase.Model,
                        benchCase.Rectification};
    return state;
}

void RunProduction(benchmark::State& loop, const SummingVersion& version,
                   const CalculationState& start, const std::filesystem::path& tableFile) {
    UseSummingVersion(version);
    const double processorStart = ProcessorMilliseconds();
    for (auto _ : loop) {
        const RunOutcome outcome =
            ComputeChosenModel({start.Conditions, start.Attenuation, start.Filters});
        const auto* run = std::get_if<ModelRun>(&outcome);
        if (run == nullptr) {
            loop.SkipWithError("the production run failed");
            break;
        }
        ReplaceFileContents(tableFile, run->TableText);
        benchmark::DoNotOptimize(run->Quality);
    }
    CountProcessorTime(loop, processorStart);
}

void RunOracle(benchmark::State& loop, const CalculationState& state,
               const std::filesystem::path& tableFile) {
    const double processorStart = ProcessorMilliseconds();
    for (auto _ : loop) {
        const oracle::OracleRun run =
            oracle::RunStraightforward(state.Conditions, state.Attenuation, state.Filters);
        std::ofstream file(tableFile, std::ios::binary | std::ios::trunc);
        file << run.TableFile;
        file.close();
        if (!file) {
            loop.SkipWithError("the oracle's table file could not be written");
            break;
        }
        benchmark::DoNotOptimize(run.Quality);
    }
    CountProcessorTime(loop, processorStart);
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
    const AttenuationTable attenuation =
        LoadAttenuationTable(std::filesystem::path(TUBELINE_DATA_DIR) / kAttenuationTableFileName);
    const TemporaryFolder folder;
    const std::vector<MeasuredVersion> versions = VersionsToMeasure();
    std::vector<RatioGoal> goals;
    for (const BenchCase& benchCase : kCases) {
        const CalculationState state = StateFor(benchCase, attenuation);
        const std::filesystem::path tableFile = folder.TableFile();
        for (const MeasuredVersion& measured : versions) {
            const std::string versionCase = measured.CasePrefix + benchCase.Name;
            benchmark::RegisterBenchmark(
                (versionCase + "/production").c_str(),
                [version = measured.Version, state, tableFile](benchmark::State& loop) {
                    RunProduction(loop, version, state, tableFile);
                })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            goals.push_back({versionCase, measured.HeldToGoals ? benchCase.LeastRatio : 0, 1, 1,
                             benchCase.Name});
        }
        benchmark::RegisterBenchmark(
            (benchCase.Name + "/oracle").c_str(),
            [state, tableFile](benchmark::State& loop) { RunOracle(loop, state, tableFile); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    RatioReporter reporter(goals);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.GoalsMet() ? 0 : 1;
}
