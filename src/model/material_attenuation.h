#pragma once

#include "energy_grid.h"
#include "material_file_reader.h"

namespace tubeline {

// The material's linear attenuation coefficient on the energy grid, in 1/cm, as the filter slots
// hold it (MuFilter): at every whole keV the density times the log-log interpolation of the
// tabulated totals, at the half keV between two whole keV the arithmetic mean of those two, and
// at 0.5 keV the 1-keV value. Index 0 stays 0.
EnergyArray MuFilterOf(const MaterialFile& material);

}  // namespace tubeline
