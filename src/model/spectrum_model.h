#pragma once

#include <memory>
#include <optional>
#include <variant>

#include "beam_quality.h"
#include "calculation_state.h"
#include "physics_target_data.h"
#include "spectrum_pipeline.h"
#include "spectrum_refusal.h"

namespace tubeline {

// A completed model run: everything it computed, for the caller to keep, show or write.
struct ModelRun {
    // Never changed once computed, so that a run is cheap to keep and to copy.
    std::shared_ptr<const SpectrumTable> Spectra;
    BeamQuality Quality;    // of the central ray
    std::string TableText;  // the table file's text, byte for byte
};

// A completed run, or why the run gave nothing usable: its spectra, or the model's data.
using RunOutcome = std::variant<ModelRun, RunRefusal, ModelDataRefusal>;

// One model run from checked conditions (see CheckConditionFields): the spectra of the eleven
// angles, the beam quality of the central ray and the table file's text. Nothing is written or
// shown; the caller orders its own effects.
RunOutcome ComputeTuckerSpectra(const ModelInputs& inputs);
RunOutcome ComputeBirchSpectra(const ModelInputs& inputs);
// The model of Conditions.ModelChoice.
RunOutcome ComputeChosenModel(const ModelInputs& inputs);

// Why the model of Conditions.ModelChoice cannot run on the data of inputs.Attenuation: the
// physics model's files missing or damaged. Nothing for a model that can (Tucker's and Birch's
// always can).
std::optional<ModelDataRefusal> ModelDataRefusalOf(const ModelInputs& inputs);

// The spectra alone, of the model of Conditions.ModelChoice: the one place where the models
// part. Throws TungstenTargetError or TungstenLinesError where ModelDataRefusalOf refuses.
void ComputeChosenSpectra(const ModelInputs& inputs, SpectrumTable& spectra);

}  // namespace tubeline
