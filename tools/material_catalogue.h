#pragma once

#include <string>
#include <vector>

#include "material_composition.h"

namespace tubeline::tools {

// One material file: its name in data/, the name line the program shows, the density and the
// composition by mass.
struct Material {
    std::string FileName;  // "" for a file that is not shipped
    std::string Name;
    double Density;  // g/cm3
    std::vector<Constituent> Constituents;
    // The compound's name in xraylib's list of NIST compounds when density and composition come
    // from there; "" for an element (xraylib's element density) or a composition given
    // otherwise.
    std::string NistCompound;
};

// Every material shipped in data/, elements first, each in order of atomic number.
std::vector<Material> MaterialCatalogue();

}  // namespace tubeline::tools
