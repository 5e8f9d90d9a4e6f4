#include "spectrum_model.h"

#include "bremsstrahlung.h"
#include "spectrum_table_file.h"

namespace tubeline {
namespace {

// Calls `act` with the bremsstrahlung term of the model: the one place where a run chooses
// between the two models.
template <class Act>
auto WithTermOf(SpectrumModel model, Act act) {
    if (model == SpectrumModel::Tucker) {
        return act(TuckerBremsstrahlung{});
    }
    return act(BirchBremsstrahlung{});
}

template <class Term>
RunOutcome RunModel(const ModelInputs& inputs) {
    auto spectra = std::make_shared<SpectrumTable>();
    ComputeSpectra<Term>(inputs, *spectra);
    if (const std::optional<RunRefusal> refusal = RefusalOf(*spectra)) {
        return *refusal;
    }
    std::optional<BeamQuality> quality =
        ComputeBeamQuality(spectra->CentralSpectrum, inputs.Attenuation);
    if (!quality) {
        return RunRefusal::NoBeamQuality;
    }
    std::string table = FormatSpectrumTable(*spectra);
    return ModelRun{std::move(spectra), *quality, std::move(table)};
}

}  // namespace

RunOutcome ComputeTuckerSpectra(const ModelInputs& inputs) {
    return RunModel<TuckerBremsstrahlung>(inputs);
}

RunOutcome ComputeBirchSpectra(const ModelInputs& inputs) {
    return RunModel<BirchBremsstrahlung>(inputs);
}

RunOutcome ComputeChosenModel(const ModelInputs& inputs) {
    return WithTermOf(inputs.Conditions.ModelChoice,
                      [&]<class Term>(Term) { return RunModel<Term>(inputs); });
}

void ComputeChosenSpectra(const ModelInputs& inputs, SpectrumTable& spectra) {
    WithTermOf(inputs.Conditions.ModelChoice,
               [&]<class Term>(Term) { ComputeSpectra<Term>(inputs, spectra); });
}

}  // namespace tubeline
