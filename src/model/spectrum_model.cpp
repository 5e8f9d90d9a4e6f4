#include "spectrum_model.h"

#include "bremsstrahlung.h"
#include "physics_spectra.h"
#include "spectrum_table_file.h"

namespace tubeline {
namespace {

// Spectra as a run gives them: refused, or with the beam quality and the table file.
RunOutcome Completed(std::shared_ptr<SpectrumTable> spectra, const AttenuationTable& attenuation) {
    if (const std::optional<RunRefusal> refusal = RefusalOf(*spectra)) {
        return *refusal;
    }
    std::optional<BeamQuality> quality = ComputeBeamQuality(spectra->CentralSpectrum, attenuation);
    if (!quality) {
        return RunRefusal::NoBeamQuality;
    }
    std::string table = FormatSpectrumTable(*spectra);
    return ModelRun{std::move(spectra), *quality, std::move(table)};
}

template <class Term>
RunOutcome RunModel(const ModelInputs& inputs) {
    auto spectra = std::make_shared<SpectrumTable>();
    ComputeSpectra<Term>(inputs, *spectra);
    return Completed(std::move(spectra), inputs.Attenuation);
}

// The spectra of the model of the conditions; physics: the physics model's source, for that
// model.
void ComputeSpectraOf(const ModelInputs& inputs, const PhysicsSourceTerm* physics,
                      SpectrumTable& spectra) {
    switch (inputs.Conditions.ModelChoice) {
        case SpectrumModel::Tucker:
            ComputeSpectra<TuckerBremsstrahlung>(inputs, spectra);
            return;
        case SpectrumModel::Birch:
            ComputeSpectra<BirchBremsstrahlung>(inputs, spectra);
            return;
        case SpectrumModel::Physics:
            break;
    }
    ComputePhysicsSpectra(inputs, *physics, spectra);
}

// The physics model's source when the conditions choose that model, else none; or why the
// model cannot run.
std::variant<const PhysicsSourceTerm*, ModelDataRefusal> PhysicsSourceFor(
    const ModelInputs& inputs) {
    if (inputs.Conditions.ModelChoice != SpectrumModel::Physics) {
        return nullptr;
    }
    return PhysicsSourceOf(inputs.Attenuation);
}

}  // namespace

RunOutcome ComputeTuckerSpectra(const ModelInputs& inputs) {
    return RunModel<TuckerBremsstrahlung>(inputs);
}

RunOutcome ComputeBirchSpectra(const ModelInputs& inputs) {
    return RunModel<BirchBremsstrahlung>(inputs);
}

RunOutcome ComputeChosenModel(const ModelInputs& inputs) {
    const auto source = PhysicsSourceFor(inputs);
    if (const auto* refusal = std::get_if<ModelDataRefusal>(&source)) {
        return *refusal;
    }
    auto spectra = std::make_shared<SpectrumTable>();
    ComputeSpectraOf(inputs, std::get<const PhysicsSourceTerm*>(source), *spectra);
    return Completed(std::move(spectra), inputs.Attenuation);
}

std::optional<ModelDataRefusal> ModelDataRefusalOf(const ModelInputs& inputs) {
    const auto source = PhysicsSourceFor(inputs);
    if (const auto* refusal = std::get_if<ModelDataRefusal>(&source)) {
        return *refusal;
    }
    return std::nullopt;
}

void ComputeChosenSpectra(const ModelInputs& inputs, SpectrumTable& spectra) {
    const auto source = PhysicsSourceFor(inputs);
    if (const auto* refusal = std::get_if<ModelDataRefusal>(&source)) {
        if (const auto* tables = std::get_if<TungstenTargetProblem>(&refusal->Problem)) {
            throw TungstenTargetError(*tables);
        }
        throw TungstenLinesError(std::get<TungstenLinesProblem>(refusal->Problem));
    }
    ComputeSpectraOf(inputs, std::get<const PhysicsSourceTerm*>(source), spectra);
}

}  // namespace tubeline
