#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/condition_fields.h"
#include "model/energy_grid.h"
#include "model/filter_slots.h"

namespace tubeline {

// What the main window shows, as plain values: the window mirrors it after every command. The
// option buttons' selection is the calculation state's Rectification and VerticalAxisMode.
struct MainFormControls {
    std::string Caption;       // window title, by model
    std::string ModelCaption;  // Label35 and Label36, the shadowed model caption

    ConditionTexts Fields;       // Text1 .. Text5
    bool FieldsEnabled = true;   // Text1 .. Text5
    bool OptionsEnabled = true;  // rectification Option7..9 and vertical axis Option10..12

    bool SetFilterEnabled = true;            // Command4 "設定"
    bool ReleaseFiltersEnabled = true;       // Command5 "解除"
    std::vector<FilterListLine> FilterList;  // Picture1, one line per filter set

    bool ExportsEnabled = false;                        // Command7 and Command8
    bool AngleButtonsEnabled = false;                   // Command11 .. Command21
    std::array<bool, kAngleCount + 1> LegendVisible{};  // Line1 .. Line11

    std::string HalfValueLayer;      // Text9
    std::string FluencePerExposure;  // Text11
};

// The two states of the main window; a window after "Clear" is in neither.
enum class MainFormState { Editing, Computed, Neither };

MainFormState StateOf(const MainFormControls& controls);

}  // namespace tubeline
