#pragma once

#include <vector>

#include "material_catalogue.h"

namespace tubeline::tools {

// The partial mass attenuation coefficients of one row of a material file and the mass
// energy-absorption coefficient, in cm2/g.
struct MassCoefficients {
    double Coherent = 0;
    double Incoherent = 0;
    double Photoelectric = 0;
    double EnergyAbsorption = 0;  // see energy_absorption.h

    // The total with coherent scattering, the sum the program reads.
    double Total() const { return Coherent + Incoherent + Photoelectric; }
};

// The material's coefficients at one energy: mass-fraction sums over its elements.
MassCoefficients CoefficientsAt(const Material& material, double energyKeV);

// An absorption edge as the material file lists it: two rows at one energy, below and above.
struct Edge {
    double EnergyKeV;
    MassCoefficients Below;
    MassCoefficients Above;
};

// Every K, L and M edge of the material's elements above lowKeV and below highKeV, ascending.
std::vector<Edge> EdgesBetween(const Material& material, double lowKeV, double highKeV);

}  // namespace tubeline::tools
