#include "spectrum_model.h"

#include <memory>

#include "bremsstrahlung.h"
#include "file_io.h"
#include "spectrum_pipeline.h"
#include "spectrum_refusal.h"
#include "spectrum_table_file.h"

namespace tubeline {
namespace {

template <class Term>
RunResult RunModel(CalculationState& state, const RunOptions& options, RunEffects& effects) {
    auto spectra = std::make_unique<SpectrumTable>();
    ComputeSpectra<Term>({state.Conditions, state.Attenuation, state.Filters}, *spectra);
    if (const std::optional<RunRefusal> refusal = RefusalOf(*spectra)) {
        return {refusal, std::nullopt, {}};
    }
    std::optional<BeamQuality> quality =
        ComputeBeamQuality(spectra->CentralSpectrum, state.Attenuation);
    if (!quality) {
        return {RunRefusal::NoBeamQuality, std::nullopt, {}};
    }
    state.Spectra = *spectra;
    state.Quality = *quality;

    RunResult result{std::nullopt, std::nullopt, FormatSpectrumTable(state.Spectra)};
    if (options.TableFile) {
        try {
            ReplaceFileContents(*options.TableFile, result.TableText);
        } catch (const FileError& error) {
            result.TableFileProblem = error.Problem();
        }
    }
    effects.ProcessPendingEvents();
    effects.DrawCentralCurve();
    effects.ProcessPendingEvents();
    effects.ShowBeamQuality(FormatBeamQuality(state.Quality));
    return result;
}

}  // namespace

RunResult ComputeTuckerSpectra(CalculationState& state, const RunOptions& options,
                               RunEffects& effects) {
    return RunModel<TuckerBremsstrahlung>(state, options, effects);
}

RunResult ComputeBirchSpectra(CalculationState& state, const RunOptions& options,
                              RunEffects& effects) {
    return RunModel<BirchBremsstrahlung>(state, options, effects);
}

RunResult ComputeChosenModel(CalculationState& state, const RunOptions& options,
                             RunEffects& effects) {
    switch (state.Conditions.ModelChoice) {
        case SpectrumModel::Tucker:
            return ComputeTuckerSpectra(state, options, effects);
        case SpectrumModel::Birch:
            break;
    }
    return ComputeBirchSpectra(state, options, effects);
}

}  // namespace tubeline
