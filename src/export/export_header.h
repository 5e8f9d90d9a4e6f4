#pragma once

#include <string>
#include <vector>

#include "model/calculation_state.h"

namespace tubeline {

// The condition header of the spectrum data export, built by this one rule for both the preview
// list and the file: rectification, tube voltage, target angle, inherent, aluminium and copper
// filtration, for a model with an absolute output its distance and output factor, "任意フィルタ"
// with one line per filter in use, then an empty line. Lengths are
// written in mm, every number in the general number format. UTF-8, without line ends.
std::vector<std::string> SpectrumExportHeader(const IrradiationConditions& conditions,
                                              const MaterialFilter& filters);

}  // namespace tubeline
