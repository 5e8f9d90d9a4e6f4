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
    if (auto refusal = RefusalOf(*spectra)) {
        return {std::move(refusal), std::nullopt};
    }
    std::optional<BeamQuality> quality =
        ComputeBeamQuality(spectra->CentralSpectrum, state.Attenuation);
    if (!quality) {
        return {kNoBeamQualityMessage, std::nullopt};
    }
    state.Spectra = *spectra;
    state.Quality = *quality;

    RunResult result;
    if (options.TableFile) {
        try {
            ReplaceFileContents(*options.TableFile, FormatSpectrumTable(state.Spectra));
        } catch (const FileError& error) {
            result.TableFileError = " スペクトル表ファイル " + options.TableFile->string() +
                                    " を書き込めません（" + error.Reason() + "） ";
        }
    }
    effects.ProcessPendingEvents();
    state.Display.CurveColour = kCentralCurveColour;
    effects.DrawSpectrumCurve(kCentralAngleIndex);
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
    if (state.Conditions.ModelChoice == kTuckerModel) {
        return ComputeTuckerSpectra(state, options, effects);
    }
    return ComputeBirchSpectra(state, options, effects);
}

}  // namespace tubeline
