#pragma once

#include <string>
#include <vector>

namespace tubeline::tools {

struct Constituent {
    int AtomicNumber;
    double MassFraction;
};

// A composition by mass with the density that goes with it.
struct Composition {
    double Density;  // g/cm3
    std::vector<Constituent> Constituents;
};

// The compound of that name in xraylib's list of NIST compounds, with its density. Throws
// std::runtime_error when there is no such compound.
Composition NistCompoundComposition(const std::string& name);

// The composition by mass of a chemical formula such as "C22H10N2O5", as xraylib parses it.
// Throws std::runtime_error when xraylib cannot parse it.
std::vector<Constituent> FormulaConstituents(const std::string& formula);

// The names of xraylib's NIST compounds, in its order.
std::vector<std::string> NistCompoundNames();

}  // namespace tubeline::tools
