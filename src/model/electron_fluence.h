#pragma once

#include <vector>

#include "tungsten_target_file.h"

namespace tubeline {

// The CSDA range of electrons of this kinetic energy in tungsten, in cm: log-log interpolation in
// the table, which must hold the energy.
double CsdaRangeCm(const ElectronRangeTable& table, double electronKeV);

// The fluence moments of electrons of this incident energy, [order][energy fraction][depth] as
// one incident energy of the table holds them: linear interpolation between the two tabulated
// incident energies around it at equal energy fraction and depth fraction; below the lowest,
// the lowest's. The energy must not exceed the highest.
void FluenceMomentsAt(const ElectronFluenceTable& table, double incidentKeV,
                      std::vector<double>& moments);

}  // namespace tubeline
