#pragma once

#include <string>
#include <vector>

#include "material_composition.h"

namespace tubeline::tools {

// One material file of data/: its name there, the name line the program shows, the density and
// the composition by mass.
struct Material {
    std::string FileName;
    std::string Name;
    double Density;  // g/cm3
    std::vector<Constituent> Constituents;
    // Where density and composition come from: "" for an element (xraylib's element density),
    // otherwise the compound's name in xraylib's list of NIST compounds.
    std::string NistCompound;
};

// Every material shipped in data/, elements first, each in order of atomic number.
std::vector<Material> MaterialCatalogue();

}  // namespace tubeline::tools
