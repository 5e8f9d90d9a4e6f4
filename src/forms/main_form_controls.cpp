#include "main_form_controls.h"

namespace tubeline {

MainFormState StateOf(const MainFormControls& c) {
    const bool conditionsOpen = c.FieldsEnabled && c.OptionsEnabled && c.ReleaseFiltersEnabled;
    const bool conditionsLocked =
        !c.FieldsEnabled && !c.OptionsEnabled && !c.SetFilterEnabled && !c.ReleaseFiltersEnabled;
    if (conditionsOpen && !c.ExportsEnabled && !c.AngleButtonsEnabled) {
        return MainFormState::Editing;
    }
    if (conditionsLocked && c.ExportsEnabled && c.AngleButtonsEnabled) {
        return MainFormState::Computed;
    }
    return MainFormState::Neither;
}

}  // namespace tubeline
