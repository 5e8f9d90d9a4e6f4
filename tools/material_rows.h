#pragma once

#include <vector>

#include "mass_coefficients.h"
#include "material_catalogue.h"
#include "model/material_file_reader.h"

namespace tubeline::tools {

// The program reads at most kMaterialRowLimit rows, needs the first at or below 1 keV and the
// last above 150 keV, and interpolates log-log between rows at every whole keV from 1 to 150.
inline constexpr int kFirstWholeKeV = 1;
inline constexpr int kLastWholeKeV = static_cast<int>(PhotonEnergyKeV(kEnergyBinCount));
inline constexpr double kLastRowKeV = 200;

struct MaterialRow {
    double EnergyKeV;
    MassCoefficients Coefficients;
};

// The rows of the material's file, ascending, each edge as two rows at one energy (below, then
// above). Besides the edges and the last row, every row lies at a whole keV: starting from all
// of 1..150 keV, the row whose removal spoils the interpolation at whole keV least is dropped,
// one at a time, until the limit is met.
std::vector<MaterialRow> MaterialRows(const Material& material);

}  // namespace tubeline::tools
