// Ten thousand mixed conditions through tubeline-calc's batch path (CSV in, CSV out, the rows of
// each chunk spread over the cores) against the straightforward oracle of the same conditions.
// The oracle needs minutes for all of them, so it is timed on every 50th condition; the ratio
// compares the times per condition. The same sample also goes through the batch on its own, for
// a ratio over the very same conditions. The batch runs with every version of the hot loop that
// the processor has, the oracle once. At the end the oracle's display texts of the sample (first
// half-value layer, fluence per exposure) are compared with each version's figures, and the
// versions' outputs with each other.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "base/number_format.h"
#include "cli/batch_run.h"
#include "cli/csv_records.h"
#include "model/attenuation_table_file.h"
#include "model/beam_request.h"
#include "model/condition_names.h"
#include "oracle/straightforward_model.h"
#include "ratio_reporter.h"
#include "summing_versions.h"

namespace tubeline::bench {
namespace {

constexpr int kConditionCount = 10000;
constexpr int kSampleStep = 50;  // the oracle's sample: every 50th condition
constexpr unsigned kSeed = 20261208;

constexpr char kHeader[] = "model,kv,angle,inherent,al,cu,rectification,filter1,thickness1";
constexpr int kInputColumns = 9;
constexpr int kFigureColumns = 8;
constexpr double kLeastRatio = 50;  // oracle / batch, time per condition

// A filter material and the thickest layer of it drawn, mm.
struct Material {
    const char* File;
    double MostMm;
};
constexpr Material kMaterials[] = {{"Water.mix", 30}, {"Sn.ele", 0.1}, {"Mo.ele", 0.05}};

// Both models, 30 to 150 kV, the three rectifications, target angles from the model's default
// to 4 degrees above it, and each of added aluminium, copper and a material filter present in
// about half, a third and a third of the conditions.
std::vector<BeamRequest> MixedBeams(const std::filesystem::path& data) {
    std::mt19937 random(kSeed);
    const auto below = [&random](int count) {
        return static_cast<int>(random() % static_cast<unsigned>(count));
    };
    const auto upTo = [&random](double most, int decimals) {
        return FormatFixed(most * std::generate_canonical<double, 53>(random), decimals);
    };
    std::vector<BeamRequest> beams(kConditionCount);
    for (BeamRequest& beam : beams) {
        beam.Model = below(2) == 0 ? SpectrumModel::Tucker : SpectrumModel::Birch;
        beam.Rectification = *RectificationFromNumber(1 + below(3));
        ConditionTexts typed = DefaultConditionTexts(beam.Model);
        typed.TubeVoltage = std::to_string(30 + below(121));
        typed.TargetAngle =
            std::to_string(static_cast<int>(DefaultTargetAngle(beam.Model)) + below(5));
        typed.AluminiumFilter = below(2) == 0 ? upTo(4, 2) : "0";
        typed.CopperFilter = below(3) == 0 ? upTo(0.3, 3) : "0";
        beam.Conditions = typed;
        if (below(3) == 0) {
            const Material& material = kMaterials[below(std::size(kMaterials))];
            beam.Filters.push_back({data / material.File, upTo(material.MostMm, 3)});
        }
    }
    return beams;
}

std::string BatchInputOf(const std::vector<BeamRequest>& beams) {
    std::string text = std::string(kHeader) + "\n";
    for (const BeamRequest& beam : beams) {
        const ConditionTexts& typed = std::get<ConditionTexts>(beam.Conditions);
        text += std::string(SpectrumModelName(beam.Model)) + "," + typed.TubeVoltage + "," +
                typed.TargetAngle + "," + typed.InherentFiltration + "," + typed.AluminiumFilter +
                "," + typed.CopperFilter + "," +
                std::to_string(static_cast<int>(beam.Rectification)) + ",";
        if (!beam.Filters.empty()) {
            text += beam.Filters[0].MaterialFile.string() + "," +
                    std::get<std::string>(beam.Filters[0].ThicknessMm);
        } else {
            text += ",";
        }
        text += "\n";
    }
    return text;
}

std::string RunBatchOn(const std::string& input, const AttenuationTable& attenuation) {
    std::istringstream in(input);
    std::ostringstream out;
    RunBatch({in, "-", std::nullopt}, attenuation, {out});
    return out.str();
}

// The conditions and filters as the oracle takes them, read as a batch row reads them.
struct OracleInputs {
    IrradiationConditions Conditions;
    MaterialFilter Filters;
};

std::vector<OracleInputs> OracleInputsOf(const std::vector<BeamRequest>& beams,
                                         const AttenuationTable& attenuation) {
    std::vector<OracleInputs> inputs;
    for (const BeamRequest& beam : beams) {
        const BeamPreparation preparation = PrepareBeam(beam);
        const PreparedBeam& prepared = std::get<PreparedBeam>(preparation.Outcome);
        inputs.push_back({prepared.Conditions, prepared.Filters});
    }
    return inputs;
}

// The batch's CSV of the sample and of all conditions with one version of the hot loop.
struct BatchOutputs {
    std::string Sample;
    std::string All;
};

// Runs `work` once per iteration and counts the processor time it takes on all threads; the
// wall-clock time alone would credit the batch's second core and suffer most from a busy
// machine.
template <class Work>
void MeasureConditions(benchmark::State& loop, int conditions, const Work& work) {
    const double start = ProcessorMilliseconds();
    for (auto _ : loop) {
        work();
    }
    CountProcessorTime(loop, start);
    loop.SetItemsProcessed(loop.iterations() * conditions);
}

void ThroughBatch(benchmark::State& loop, const SummingVersion& version, const std::string& input,
                  const AttenuationTable& attenuation, int conditions, std::string& output) {
    UseSummingVersion(version);
    MeasureConditions(loop, conditions, [&] { output = RunBatchOn(input, attenuation); });
}

void ThroughOracle(benchmark::State& loop, const std::vector<OracleInputs>& inputs,
                   const AttenuationTable& attenuation, std::vector<std::string>& texts) {
    MeasureConditions(loop, static_cast<int>(inputs.size()), [&] {
        texts.clear();
        for (const OracleInputs& input : inputs) {
            const oracle::OracleRun run =
                oracle::RunStraightforward(input.Conditions, attenuation, input.Filters);
            texts.push_back(run.HalfValueLayerText + " " + run.FluencePerExposureText);
        }
    });
}

// Registers `run` as a benchmark of a single iteration (each takes seconds).
template <class Run>
void RegisterOnce(const std::string& name, const Run& run) {
    benchmark::RegisterBenchmark(name.c_str(), run)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// The batch's first half-value layer and fluence per exposure of each sampled row, as the window
// shows them, against the oracle's texts. Prints the count of rows that differ or failed.
bool FiguresAgree(const std::string& sampleOutput, const std::vector<std::string>& oracleTexts) {
    if (sampleOutput.empty() || oracleTexts.empty()) {
        std::printf("figures not compared: the sample was not run through both\n");
        return true;
    }
    std::istringstream in(sampleOutput);
    CsvRecordReader reader(in);
    std::vector<std::string> fields;
    reader.Next(fields);
    int rows = 0, differing = 0, failed = 0;
    for (; reader.Next(fields); ++rows) {
        const std::string& hvl1 = fields[kInputColumns];
        const std::string& fluence = fields[kInputColumns + kFigureColumns - 1];
        if (!fields.back().empty() || hvl1.empty()) {
            ++failed;
            continue;
        }
        const std::string texts = FormatFixed(std::strtod(hvl1.c_str(), nullptr), 2) + " " +
                                  FormatScientific(std::strtod(fluence.c_str(), nullptr));
        if (rows >= static_cast<int>(oracleTexts.size()) || texts != oracleTexts[rows]) {
            ++differing;
        }
    }
    std::printf(
        "figures of the %d sampled conditions: %d differ from the oracle's texts, %d rows "
        "failed\n",
        rows, differing, failed);
    return differing == 0 && failed == 0 && rows == static_cast<int>(oracleTexts.size());
}

// Every 50th row of the whole batch is the row of the sample's batch: chunks and threads change
// nothing.
bool SampleRowsAgree(const BatchOutputs& outputs) {
    if (outputs.All.empty() || outputs.Sample.empty()) {
        return true;
    }
    std::istringstream whole(outputs.All), sample(outputs.Sample);
    std::string row, sampleRow;
    int differing = 0;
    for (int i = -1; std::getline(whole, row); ++i) {
        if (i == -1 || i % kSampleStep == 0) {
            std::getline(sample, sampleRow);
            differing += row != sampleRow;
        }
    }
    std::printf("rows of the whole batch that differ from the sample's batch: %d\n", differing);
    return differing == 0;
}

// Each version's figures against the oracle's texts, and its whole batch against the first
// version's byte for byte.
bool OutputsAgree(const std::vector<MeasuredVersion>& versions,
                  const std::vector<BatchOutputs>& outputs,
                  const std::vector<std::string>& oracleTexts) {
    bool agree = true;
    for (std::size_t v = 0; v < versions.size(); ++v) {
        std::printf("\n%s\n", versions[v].Version.InstructionSet);
        agree = FiguresAgree(outputs[v].Sample, oracleTexts) && agree;
        agree = SampleRowsAgree(outputs[v]) && agree;
        if (v > 0 && !outputs[v].All.empty() && !outputs[0].All.empty()) {
            const bool same = outputs[v].All == outputs[0].All;
            std::printf("whole batch byte for byte as with %s: %s\n",
                        versions[0].Version.InstructionSet, same ? "yes" : "NO");
            agree = same && agree;
        }
    }
    return agree;
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
    const std::filesystem::path data(TUBELINE_DATA_DIR);
    const AttenuationTable attenuation = LoadAttenuationTable(data / kAttenuationTableFileName);
    const std::vector<BeamRequest> beams = MixedBeams(data);
    std::vector<BeamRequest> sample;
    for (std::size_t i = 0; i < beams.size(); i += kSampleStep) {
        sample.push_back(beams[i]);
    }
    const std::string allInput = BatchInputOf(beams), sampleInput = BatchInputOf(sample);
    const std::vector<OracleInputs> oracleInputs = OracleInputsOf(sample, attenuation);
    const int all = static_cast<int>(beams.size()), sampled = static_cast<int>(sample.size());

    const std::vector<MeasuredVersion> versions = VersionsToMeasure();
    std::vector<BatchOutputs> outputs(versions.size());
    std::vector<std::string> oracleTexts;
    std::vector<RatioGoal> goals;
    for (std::size_t v = 0; v < versions.size(); ++v) {
        const std::string allCase = versions[v].CasePrefix + "all_conditions";
        const std::string sampleCase = versions[v].CasePrefix + "sampled_conditions";
        RegisterOnce(allCase + "/production", [&, v](benchmark::State& loop) {
            ThroughBatch(loop, versions[v].Version, allInput, attenuation, all, outputs[v].All);
        });
        RegisterOnce(sampleCase + "/production", [&, v](benchmark::State& loop) {
            ThroughBatch(loop, versions[v].Version, sampleInput, attenuation, sampled,
                         outputs[v].Sample);
        });
        goals.push_back({sampleCase, 0, sampled, sampled, "sampled_conditions"});
        goals.push_back({allCase, versions[v].HeldToGoals ? kLeastRatio : 0, all, sampled,
                         "sampled_conditions", true});
    }
    RegisterOnce("sampled_conditions/oracle", [&](benchmark::State& loop) {
        ThroughOracle(loop, oracleInputs, attenuation, oracleTexts);
    });

    RatioReporter reporter(goals);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool agree = OutputsAgree(versions, outputs, oracleTexts);
    return reporter.GoalsMet() && agree ? 0 : 1;
}
