// The numbers behind one tubeline-calc run, printed exactly for the Python module's tests: the
// same options read the same way (field texts, filter thicknesses as typed), then the relative
// spectra of the table file unrounded and the beam-quality figures of every angle, as
// hexadecimal floating point. Exit status 2 for a refused run.

#include <cstdio>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/calculator_arguments.h"
#include "export/beam_quality_fields.h"
#include "model/attenuation_table_file.h"
#include "model/beam_quality_figures.h"
#include "model/beam_request.h"

int main(int argc, char** argv) {
    using namespace tubeline;
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    const CalculatorArguments parsed = ParseCalculatorArguments(words);
    const AttenuationTable attenuation =
        LoadAttenuationTable(parsed.DataFolder.value_or(".") / kAttenuationTableFileName);
    const BeamRun run = RunBeam(parsed.Beam, attenuation);
    const auto* computed = std::get_if<ComputedBeam>(&run.Outcome);
    if (computed == nullptr) {
        return 2;
    }
    const SpectrumTable& spectra = *computed->Run.Spectra;
    for (int a = 1; a <= kAngleCount; ++a) {
        std::printf("spectrum");
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            std::printf(" %a", spectra.PhotonSpectrum[a][j] / spectra.SpectrumPeak);
        }
        std::printf("\n");
    }
    const AngleFigures figures = ComputeAngleFigures(spectra, attenuation);
    for (int a = 1; a <= kAngleCount; ++a) {
        std::printf("figures");
        for (const BeamQualityField& field : kBeamQualityFields) {
            const std::optional<double> value =
                figures[a] ? field.Value(*figures[a]) : std::nullopt;
            std::printf(" %.*s=", static_cast<int>(field.Key.size()), field.Key.data());
            value ? std::printf("%a", *value) : std::printf("none");
        }
        std::printf("\n");
    }
    return 0;
}
