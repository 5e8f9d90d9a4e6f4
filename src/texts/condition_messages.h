#pragma once

#include <string>
#include <vector>
#include "model/condition_fields.h"
#include "model/filter_slots.h"
#include "model/output_conditions.h"

namespace tubeline {

// The conditions of a run as people read them, and why a field was refused or corrected.

// The caption of a condition field as the main window labels it.
std::string ConditionCaption(ConditionField field);

std::string ConditionRejectionMessage(const ConditionRejection& rejection);

// The distance and the output factor as people name them.
std::string OutputCaption(OutputField field);

std::string OutputRejectionMessage(const OutputRejection& rejection);

// A model as people name it: "Tucker の式", "Birch の式", "物理モデル".
std::string ModelCaption(SpectrumModel model);

// The main window's title for a model and the short label its graph carries ("by Tucker").
struct ModelTitle {
    std::string Caption;
    std::string Label;
};
ModelTitle ModelTitleOf(SpectrumModel model);

// The tube voltage was corrected into 30..150 kV; the calculation goes on with it.
std::string TubeVoltageCorrectedMessage(double tubeVoltageKv);

// A rectification as the operator knows it, in the current language.
std::string RectificationCaption(RectificationMode rectification);

// The conditions of a run in three lines, worded as the spectrum export's header: the model,
// the rectification, the tube voltage and the target angle (and, for a model with an absolute
// output, the distance and the output factor); the inherent, aluminium and copper filtration; the
// arbitrary filters. Unlike the file's header, they follow the language.
std::vector<std::string> ConditionSummary(const IrradiationConditions& conditions,
                                          const MaterialFilter& filters);

}  // namespace tubeline
