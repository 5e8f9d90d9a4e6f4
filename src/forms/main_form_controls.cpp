#include "main_form_controls.h"

namespace tubeline {

ControlStates ControlStatesOf(MainFormPhase phase, int filterCount) {
    ControlStates states;
    const bool conditionsOpen = phase != MainFormPhase::Computed;
    const bool runAtHand = phase != MainFormPhase::Editing;
    states.Fields = conditionsOpen;
    states.SetFilter = conditionsOpen && filterCount < kFilterSlotCount;
    states.ReleaseFilters = conditionsOpen;
    states.Options = phase == MainFormPhase::Editing || phase == MainFormPhase::Revising ||
                     phase == MainFormPhase::EditingWithRun;
    states.Exports = runAtHand && phase != MainFormPhase::EditingWithRun;
    states.AngleButtons = runAtHand;
    states.EditConditions = phase == MainFormPhase::Computed || phase == MainFormPhase::Cleared;
    return states;
}

}  // namespace tubeline
