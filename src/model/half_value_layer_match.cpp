#include "half_value_layer_match.h"

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "filter_slots.h"
#include "spectrum_model.h"
#include "spectrum_refusal.h"

namespace tubeline {
namespace {

using Refused = HalfValueLayerMatchRefused;

// Puts a thickness in mm in place of the varied filter's.
using ThicknessSetter = std::function<void(double, IrradiationConditions&, MaterialFilter&)>;

// One model run with the varied filter at one thickness.
struct Trial {
    double ThicknessMm = 0;
    std::optional<BeamQualityFigures> Figures;
    std::optional<RunRefusal> Refusal;  // why the run gave no figures

    std::optional<double> Layer() const {
        return Figures ? Figures->HalfValueLayerMm : std::nullopt;
    }
};

// Model runs on copies of the conditions and filters, so that the caller's stay as they were.
class TrialRuns {
  public:
    TrialRuns(const ModelInputs& inputs, MaterialFilter filters, ThicknessSetter setThickness)
        : conditions_(inputs.Conditions),
          filters_(std::move(filters)),
          attenuation_(inputs.Attenuation),
          setThickness_(std::move(setThickness)) {}

    // Why the model cannot run at all, before any trial.
    std::optional<ModelDataRefusal> DataRefusal() const {
        return ModelDataRefusalOf({conditions_, attenuation_, filters_});
    }

    Trial Run(double thicknessMm) {
        setThickness_(thicknessMm, conditions_, filters_);
        const ModelInputs inputs{conditions_, attenuation_, filters_};
        ComputeChosenSpectra(inputs, *spectra_);
        Trial trial{thicknessMm, std::nullopt, RefusalOf(*spectra_)};
        if (!trial.Refusal) {
            trial.Figures = ComputeBeamQualityFigures(spectra_->CentralSpectrum, attenuation_);
            if (!trial.Figures) {
                trial.Refusal = RunRefusal::NoBeamQuality;
            }
        }
        return trial;
    }

  private:
    IrradiationConditions conditions_;
    MaterialFilter filters_;
    const AttenuationTable& attenuation_;
    ThicknessSetter setThickness_;
    std::unique_ptr<SpectrumTable> spectra_ = std::make_unique<SpectrumTable>();
};

bool Within(const Trial& trial, double targetMm) {
    return trial.Layer() && std::fabs(*trial.Layer() - targetMm) <= kMatchToleranceMm;
}

// A trial without a layer has too thick a filter: no spectrum is left, or its layer lies
// beyond the 100-mm search of the beam quality.
bool Short(const Trial& trial, double targetMm) {
    return trial.Layer() && *trial.Layer() < targetMm;
}

HalfValueLayerReached ReachedAt(const Trial& trial) {
    return {trial.ThicknessMm, *trial.Figures};
}

// The trial of the bracket [short, over] closest to the target, after one more at the linear
// interpolation between them.
HalfValueLayerReached Refine(TrialRuns& runs, double targetMm, const Trial& shortOf,
                             const Trial& over) {
    const double low = *shortOf.Layer(), high = *over.Layer();
    const Trial between =
        runs.Run(shortOf.ThicknessMm +
                 (targetMm - low) / (high - low) * (over.ThicknessMm - shortOf.ThicknessMm));
    const Trial* closest = targetMm - low <= high - targetMm ? &shortOf : &over;
    if (between.Layer() &&
        std::fabs(*between.Layer() - targetMm) < std::fabs(*closest->Layer() - targetMm)) {
        closest = &between;
    }
    return ReachedAt(*closest);
}

HalfValueLayerMatch Search(TrialRuns& runs, double targetMm, double limitMm) {
    if (std::isinf(targetMm)) {
        return Refused{Refused::TargetOutOfRange{}};
    }
    if (!(targetMm > 0)) {
        return Refused{Refused::TargetNotPositive{}};
    }
    if (std::optional<ModelDataRefusal> refusal = runs.DataRefusal()) {
        return Refused{std::move(*refusal)};
    }
    Trial shortOf = runs.Run(0);
    if (shortOf.Refusal) {
        return Refused{*shortOf.Refusal};
    }
    if (!shortOf.Layer()) {
        return Refused{Refused::UnfilteredBeyondSearch{}};
    }
    if (Within(shortOf, targetMm)) {
        return ReachedAt(shortOf);
    }
    if (*shortOf.Layer() > targetMm) {
        return HalfValueLayerBelowUnfiltered{*shortOf.Layer()};
    }
    Trial over = runs.Run(limitMm);
    if (Within(over, targetMm)) {
        return ReachedAt(over);
    }
    if (Short(over, targetMm)) {
        return HalfValueLayerBeyondRange{*over.Layer(), limitMm, limitMm};
    }
    while (over.ThicknessMm - shortOf.ThicknessMm >= kMatchToleranceMm) {
        Trial middle = runs.Run((shortOf.ThicknessMm + over.ThicknessMm) / 2);
        if (Within(middle, targetMm)) {
            return ReachedAt(middle);
        }
        (Short(middle, targetMm) ? shortOf : over) = std::move(middle);
    }
    if (!over.Layer()) {
        return HalfValueLayerBeyondRange{*shortOf.Layer(), shortOf.ThicknessMm, limitMm};
    }
    return Refine(runs, targetMm, shortOf, over);
}

double LimitOf(AddedFilter varied) {
    return varied == AddedFilter::Aluminium ? kAluminiumMatchLimitMm : kCopperMatchLimitMm;
}

// Trials with the added aluminium or copper in place of the conditions' own.
TrialRuns RunsVarying(const ModelInputs& inputs, AddedFilter varied) {
    if (varied == AddedFilter::Aluminium) {
        return TrialRuns(inputs, inputs.Filters,
                         [](double mm, IrradiationConditions& conditions, MaterialFilter&) {
                             conditions.AluminiumFilter = mm;
                         });
    }
    return TrialRuns(inputs, inputs.Filters,
                     [](double mm, IrradiationConditions& conditions, MaterialFilter&) {
                         conditions.CopperFilter = mm;
                     });
}

// Trials with a filter of the material in the first free slot; one must be free.
TrialRuns RunsVarying(const ModelInputs& inputs, const MaterialFile& material) {
    MaterialFilter filters = inputs.Filters;
    const int slot = AddFilter(filters, material, 0);
    return TrialRuns(inputs, std::move(filters),
                     [slot](double mm, IrradiationConditions&, MaterialFilter& slots) {
                         slots.FilterThickness[slot] = mm;
                     });
}

}  // namespace

HalfValueLayerMatch MatchHalfValueLayer(const ModelInputs& inputs, double targetMm,
                                        AddedFilter varied) {
    TrialRuns runs = RunsVarying(inputs, varied);
    return Search(runs, targetMm, LimitOf(varied));
}

HalfValueLayerMatch MatchHalfValueLayer(const ModelInputs& inputs, double targetMm,
                                        const MaterialFile& material) {
    if (inputs.Filters.FilterCount >= kFilterSlotCount) {
        return Refused{Refused::NoFreeSlot{}};
    }
    TrialRuns runs = RunsVarying(inputs, material);
    return Search(runs, targetMm, kMaterialMatchLimitMm);
}

std::optional<double> HalfValueLayerWithThickness(const ModelInputs& inputs, AddedFilter varied,
                                                  double thicknessMm) {
    return RunsVarying(inputs, varied).Run(thicknessMm).Layer();
}

std::optional<double> HalfValueLayerWithThickness(const ModelInputs& inputs,
                                                  const MaterialFile& material,
                                                  double thicknessMm) {
    return RunsVarying(inputs, material).Run(thicknessMm).Layer();
}

}  // namespace tubeline
