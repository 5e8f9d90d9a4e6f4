// Prints, for a grid of conditions, what a model run computes to the last bit: a digest of the
// bits of every spectrum and of the beam-quality arrays, then the fluence per exposure and the
// half-value layer in hexadecimal floating point. Equal output from two builds (another
// compiler, another processor) means bit-identical results over the grid. The grid runs with
// every version of the hot loop that the processor has; the program fails unless all give the
// same output.
// Usage: result_digest DATA_FOLDER
#include <bit>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/attenuation_table_file.h"
#include "model/filter_slots.h"
#include "model/spectrum_model.h"
#include "model/target_attenuation.h"

namespace tubeline {
namespace {

// FNV-1a over the bit patterns of doubles.
class BitDigest {
  public:
    void Add(double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        for (int shift = 0; shift < 64; shift += 8) {
            hash_ = (hash_ ^ ((bits >> shift) & 0xff)) * 0x100000001b3;
        }
    }
    template <class Range>
    void AddAll(const Range& values) {
        for (const auto& value : values) {
            if constexpr (std::is_floating_point_v<std::decay_t<decltype(value)>>) {
                Add(value);
            } else {
                AddAll(value);
            }
        }
    }
    std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325;
};

std::uint64_t SpectraDigest(const SpectrumTable& spectra) {
    BitDigest digest;
    digest.AddAll(spectra.SampleSpectrum);
    digest.AddAll(spectra.PhotonSpectrum);
    digest.AddAll(spectra.AnglePeak);
    digest.Add(spectra.SpectrumPeak);
    digest.AddAll(spectra.EnergyFluenceSpectrum);
    digest.Add(spectra.EnergyFluencePeak);
    digest.AddAll(spectra.KermaSpectrum);
    digest.Add(spectra.KermaPeak);
    digest.AddAll(spectra.CentralSpectrum);
    return digest.Value();
}

std::uint64_t QualityDigest(const BeamQuality& quality) {
    BitDigest digest;
    digest.AddAll(quality.KermaShare);
    digest.AddAll(quality.KermaTransmission);
    return digest.Value();
}

// The filtered runs add aluminium and copper and two arbitrary filters read from material files.
MaterialFilter ArbitraryFilters(const std::filesystem::path& dataFolder) {
    MaterialFilter filters;
    for (const auto& [file, thicknessMm] : {std::pair{"Pb.ele", "0.05"}, {"Water.mix", "10"}}) {
        if (const auto refusal = AddFilterFromFile(filters, dataFolder / file, thicknessMm)) {
            throw std::runtime_error(std::string("refused the filter ") + file);
        }
    }
    return filters;
}

// The conditions of the oracle test's grid: both models, the three rectifications, the K-line
// threshold and both voltage limits, three target angles, without and with filters.
struct GridPoint {
    SpectrumModel Model;
    RectificationMode Rectification;
    double Kv;
    double Angle;
    bool Filtered;
};

std::vector<GridPoint> Grid() {
    std::vector<GridPoint> grid;
    for (const SpectrumModel model : {SpectrumModel::Tucker, SpectrumModel::Birch}) {
        for (const RectificationMode rectification :
             {RectificationMode::ConstantPotential, RectificationMode::ThreePhaseTwelvePulse,
              RectificationMode::SinglePhaseFullWave}) {
            for (const double kv : {30.0, 70.0, 71.0, 100.0, 150.0}) {
                for (const double angle : {12.0, 16.0, 45.0}) {
                    grid.push_back({model, rectification, kv, angle, false});
                    grid.push_back({model, rectification, kv, angle, true});
                }
            }
        }
    }
    return grid;
}

[[gnu::format(printf, 2, 3)]] void AppendFormatted(std::string& text, const char* format, ...) {
    char line[256];
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    text += line;
}

void AppendRun(std::string& text, CalculationState& state, const GridPoint& point,
               const MaterialFilter& filters) {
    // Lengths in cm: 2.5 mm inherent, 1 mm aluminium, 0.1 mm copper.
    state.Conditions = {{point.Kv, point.Angle, point.Filtered ? 2.5 : 0.0,
                         point.Filtered ? 1.0 : 0.0, point.Filtered ? 0.1 : 0.0},
                        point.Model,
                        point.Rectification};
    state.Filters = point.Filtered ? filters : MaterialFilter{};
    const RunOutcome outcome =
        ComputeChosenModel({state.Conditions, state.Attenuation, state.Filters});
    AppendFormatted(text, "%s rect%d %3.0f kV %2.0f deg %-8s ",
                    point.Model == SpectrumModel::Tucker ? "Tucker" : "Birch ",
                    static_cast<int>(point.Rectification), point.Kv, point.Angle,
                    point.Filtered ? "filtered" : "bare");
    if (const auto* refusal = std::get_if<RunRefusal>(&outcome)) {
        AppendFormatted(text, "refused: %d\n", static_cast<int>(*refusal));
        return;
    }
    state.Spectra = *std::get<ModelRun>(outcome).Spectra;
    state.Quality = std::get<ModelRun>(outcome).Quality;
    AppendFormatted(text, "%016llx %016llx fluence %a HVL ",
                    static_cast<unsigned long long>(SpectraDigest(state.Spectra)),
                    static_cast<unsigned long long>(QualityDigest(state.Quality)),
                    state.Quality.FluencePerExposure);
    if (state.Quality.HalfValueLayer) {
        AppendFormatted(text, "%a\n", *state.Quality.HalfValueLayer);
    } else {
        AppendFormatted(text, "none\n");
    }
}

std::string GridText(CalculationState& state, const MaterialFilter& filters) {
    std::string text;
    for (const GridPoint& point : Grid()) {
        AppendRun(text, state, point, filters);
    }
    return text;
}

// Prints the grid's results; false when a version of the hot loop gives others than the first.
bool PrintGrid(const std::filesystem::path& dataFolder) {
    CalculationState state;
    state.Attenuation = LoadAttenuationTable(dataFolder / kAttenuationTableFileName);
    const MaterialFilter filters = ArbitraryFilters(dataFolder);
    const std::vector<SummingVersion>& versions = RunnableSummingVersions();
    UseSummingVersion(versions.front());
    const std::string widest = GridText(state, filters);
    std::fputs(widest.c_str(), stdout);
    bool same = true;
    for (const SummingVersion& version : std::span(versions).subspan(1)) {
        UseSummingVersion(version);
        if (GridText(state, filters) != widest) {
            std::fprintf(stderr, "result_digest: the %s version differs from the %s one\n",
                         version.InstructionSet, versions.front().InstructionSet);
            same = false;
        }
    }
    return same;
}

}  // namespace
}  // namespace tubeline

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: result_digest DATA_FOLDER\n");
        return 2;
    }
    try {
        return tubeline::PrintGrid(argv[1]) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "result_digest: %s\n", error.what());
        return 1;
    }
}
