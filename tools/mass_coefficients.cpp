#include "mass_coefficients.h"

#include <algorithm>
#include <optional>

#include "energy_absorption.h"
#include "photoelectric_jump.h"
#include "xraylib_call.h"

namespace tubeline::tools {
namespace {

MassCoefficients ElementAt(int atomicNumber, double energyKeV) {
    return {XraylibCall(CS_Rayl, atomicNumber, energyKeV),
            XraylibCall(CS_Compt, atomicNumber, energyKeV),
            XraylibCall(CS_Photo, atomicNumber, energyKeV),
            ElementEnergyAbsorption(atomicNumber, energyKeV)};
}

void AddScaled(MassCoefficients& sum, const MassCoefficients& term, double fraction) {
    sum.Coherent += fraction * term.Coherent;
    sum.Incoherent += fraction * term.Incoherent;
    sum.Photoelectric += fraction * term.Photoelectric;
    sum.EnergyAbsorption += fraction * term.EnergyAbsorption;
}

// One element's coefficients on either side of one of its edges.
struct ElementEdge {
    double EnergyKeV;
    MassCoefficients Below;
    MassCoefficients Above;
};

// Nothing when the element has no such shell or its edge lies outside the energy range (the
// jump may lie inside although EdgeEnergy lies just outside). An edge that xraylib's
// photoelectric table does not jump at is listed at EdgeEnergy with equal rows.
std::optional<ElementEdge> EdgeOfElement(int atomicNumber, int shell, double lowKeV,
                                         double highKeV) {
    xrl_error* error = nullptr;
    const double nominal = EdgeEnergy(atomicNumber, shell, &error);
    if (error != nullptr) {
        xrl_clear_error(&error);
        return std::nullopt;
    }
    if (nominal <= lowKeV * (1 - kEdgeWindow) || nominal >= highKeV * (1 + kEdgeWindow)) {
        return std::nullopt;
    }
    const auto photo = PhotoelectricJumpNear(atomicNumber, nominal);
    ElementEdge edge{photo ? photo->EnergyKeV : nominal, {}, {}};
    if (edge.EnergyKeV <= lowKeV || edge.EnergyKeV >= highKeV) {
        return std::nullopt;
    }
    edge.Below = ElementAt(atomicNumber, edge.EnergyKeV);
    edge.Above = edge.Below;
    if (photo) {
        edge.Below.Photoelectric = photo->Below;
        edge.Above.Photoelectric = photo->Above;
        edge.Below.EnergyAbsorption = ElementEnergyAbsorption(atomicNumber, photo->BelowKeV);
    }
    return edge;
}

}  // namespace

MassCoefficients CoefficientsAt(const Material& material, double energyKeV) {
    MassCoefficients sum;
    for (const Constituent& constituent : material.Constituents) {
        AddScaled(sum, ElementAt(constituent.AtomicNumber, energyKeV), constituent.MassFraction);
    }
    return sum;
}

std::vector<Edge> EdgesBetween(const Material& material, double lowKeV, double highKeV) {
    std::vector<Edge> edges;
    for (const Constituent& edgeElement : material.Constituents) {
        for (int shell = K_SHELL; shell <= M5_SHELL; ++shell) {
            const auto elementEdge =
                EdgeOfElement(edgeElement.AtomicNumber, shell, lowKeV, highKeV);
            if (!elementEdge) {
                continue;
            }
            Edge edge{elementEdge->EnergyKeV, {}, {}};
            for (const Constituent& constituent : material.Constituents) {
                if (&constituent == &edgeElement) {
                    AddScaled(edge.Below, elementEdge->Below, constituent.MassFraction);
                    AddScaled(edge.Above, elementEdge->Above, constituent.MassFraction);
                } else {
                    const MassCoefficients continuous =
                        ElementAt(constituent.AtomicNumber, edge.EnergyKeV);
                    AddScaled(edge.Below, continuous, constituent.MassFraction);
                    AddScaled(edge.Above, continuous, constituent.MassFraction);
                }
            }
            edges.push_back(edge);
        }
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.EnergyKeV < b.EnergyKeV; });
    return edges;
}

}  // namespace tubeline::tools
