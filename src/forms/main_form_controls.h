#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/condition_fields.h"
#include "model/energy_grid.h"
#include "model/filter_slots.h"
#include "model/output_conditions.h"
#include "texts/material_names.h"

namespace tubeline {

// Where the main window stands; every control's state follows from it (ControlStatesOf).
enum class MainFormPhase {
    Editing,         // conditions open; nothing computed to draw or export (start, reset)
    Computed,        // conditions locked; the run's curves and exports at hand
    Cleared,         // "Clear" after a run: conditions open without filters, options locked
    Revising,        // "条件変更" after a run: conditions open with their values and filters
    EditingWithRun,  // "Clear" after a reset: conditions open, the last run's curves at hand
};

// Whether each control takes commands.
struct ControlStates {
    bool Fields = false;          // the five condition fields
    bool Options = false;         // rectification and vertical-axis options
    bool SetFilter = false;       // "設定"; not once three filters are set
    bool ReleaseFilters = false;  // "解除"
    bool Exports = false;         // both saves and the beam-quality window
    bool AngleButtons = false;
    bool EditConditions = false;  // "条件変更"
    bool operator==(const ControlStates&) const = default;
};

ControlStates ControlStatesOf(MainFormPhase phase, int filterCount);

// What the main window shows, as plain values: the window mirrors it after every command. The
// option buttons' selection is the calculation state's Rectification and the vertical axis.
struct MainFormControls {
    std::string Caption;       // window title, by model
    std::string ModelCaption;  // the shadowed model caption

    ConditionTexts Fields;
    // The distance and output factor, shown for a model with an absolute output only and
    // enabled with the five fields.
    OutputTexts Output;
    bool OutputShown = false;
    // Under the graph: what became of a value, such as a corrected tube voltage, and what became
    // of the runs compared, such as the oldest taken off.
    std::string ConditionsNote;
    std::string GraphNote;
    std::vector<FilterListLine> FilterList;  // one line per filter set

    // The angles whose curves are drawn, by AngleIndex (slot 0 unused).
    std::array<bool, kAngleCount + 1> LegendVisible{};

    std::string HalfValueLayer;
    std::string FluencePerExposure;
};

}  // namespace tubeline
