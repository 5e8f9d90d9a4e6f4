#pragma once

#include <string>
#include <vector>
#include "model/condition_fields.h"
#include "model/filter_slots.h"

namespace tubeline {

// The conditions of a run as people read them, and why a field was refused or corrected.

// The caption of a condition field as the main window labels it.
std::string ConditionCaption(ConditionField field);

std::string ConditionRejectionMessage(const ConditionRejection& rejection);

// The tube voltage was corrected into 30..150 kV; the calculation goes on with it.
std::string TubeVoltageCorrectedMessage(double tubeVoltageKv);

// A rectification as the operator knows it, in the current language.
std::string RectificationCaption(RectificationMode rectification);

// The conditions of a run in three lines, worded as the spectrum export's header: the model,
// the rectification, the tube voltage and the target angle; the inherent, aluminium and copper
// filtration; the arbitrary filters. Unlike the file's header, they follow the language.
std::vector<std::string> ConditionSummary(const IrradiationConditions& conditions,
                                          const MaterialFilter& filters);

}  // namespace tubeline
