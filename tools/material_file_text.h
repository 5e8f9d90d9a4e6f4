#pragma once

#include <string>

#include "material_catalogue.h"

namespace tubeline::tools {

// The whole material file of the material, as the program reads it:
//   line 1   the name the program shows
//   line 2   density, g/cm3
//   line 3   N, the number of rows (at most 120)
//   N rows   energy MeV, coherent, incoherent, photoelectric, total with coherent (the sum of
//            the three), all in cm2/g, and 0
// Coefficients are xraylib's (CS_Rayl, CS_Compt, CS_Photo), mass-fraction sums for compounds.
// The sixth column stays 0 rather than hold xraylib's CS_Energy, which is far from the NIST
// energy-absorption coefficients for light elements (Be at 5 keV: 1.77 against 4.0 cm2/g).
std::string MaterialFileText(const Material& material);

}  // namespace tubeline::tools
