#include "spectrum_model.h"

#include <cmath>
#include <memory>

#include "bremsstrahlung.h"
#include "file_io.h"
#include "spectrum_pipeline.h"
#include "spectrum_table_file.h"

namespace tubeline {
namespace {

bool AllFinite(const AngleEnergyArray& spectra) {
    for (const EnergyArray& row : spectra) {
        for (const double value : row) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    return true;
}

bool UsablePeak(double peak) {
    return peak > 0 && std::isfinite(peak);
}

// Spectra that cannot be normalised, or that hold a value beyond the double range, are refused.
std::optional<RunRefusal> RefusalOf(const SpectrumTable& spectra) {
    if (spectra.SpectrumPeak == 0 && AllFinite(spectra.PhotonSpectrum)) {
        return RunRefusal::ZeroSpectra;
    }
    if (!AllFinite(spectra.PhotonSpectrum) || !UsablePeak(spectra.SpectrumPeak) ||
        !UsablePeak(spectra.EnergyFluencePeak) || !UsablePeak(spectra.KermaPeak)) {
        return RunRefusal::OutOfRange;
    }
    return std::nullopt;
}

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
