#pragma once

#include <string>

#include "material_catalogue.h"

namespace tubeline::tools {

// The whole material file of the material, as the program reads it:
//   line 1   the name the program shows
//   line 2   density, g/cm3
//   line 3   N, the number of rows (at most 120)
//   N rows   energy MeV, coherent, incoherent, photoelectric, total with coherent (the sum of
//            the three) and the mass energy-absorption coefficient, all in cm2/g
// Coefficients are xraylib's (CS_Rayl, CS_Compt, CS_Photo) and the energy absorption is built
// from its cross sections (energy_absorption.h); mass-fraction sums for compounds.
std::string MaterialFileText(const Material& material);

}  // namespace tubeline::tools
