#include "mass_coefficients.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "xraylib_call.h"

namespace tubeline::tools {
namespace {

// xraylib's cross-section tables place some edges up to about 0.6 % away from its EdgeEnergy
// value; the jump is looked for within this fraction either side. Neighbouring edges of one
// element lie at least 2 % apart.
constexpr double kEdgeWindow = 0.01;
constexpr int kScanSteps = 400;
// What is left of a step narrowed down to neighbouring doubles when the table really jumps.
constexpr double kDiscontinuityLogChange = 1e-6;

MassCoefficients ElementAt(int atomicNumber, double energyKeV) {
    return {XraylibCall(CS_Rayl, atomicNumber, energyKeV),
            XraylibCall(CS_Compt, atomicNumber, energyKeV),
            XraylibCall(CS_Photo, atomicNumber, energyKeV)};
}

void AddScaled(MassCoefficients& sum, const MassCoefficients& term, double fraction) {
    sum.Coherent += fraction * term.Coherent;
    sum.Incoherent += fraction * term.Incoherent;
    sum.Photoelectric += fraction * term.Photoelectric;
}

struct Jump {
    double EnergyKeV;  // the lowest energy at which the value above holds
    double Below;
    double Above;
};

// Where the element's photoelectric coefficient jumps near the nominal edge energy: the largest
// step of a scan over the window, narrowed by bisection to neighbouring doubles. Nothing when it
// is continuous there (xraylib smooths a few M edges over several eV).
std::optional<Jump> PhotoelectricJump(int atomicNumber, double nominalKeV) {
    const auto photo = [atomicNumber](double e) { return XraylibCall(CS_Photo, atomicNumber, e); };
    const auto logChange = [&photo](double from, double to) {
        return std::abs(std::log(photo(to) / photo(from)));
    };
    const double start = nominalKeV * (1 - kEdgeWindow);
    const double step = 2 * kEdgeWindow * nominalKeV / kScanSteps;
    double low = start;
    double high = start;
    double largest = -1;
    for (int i = 0; i < kScanSteps; ++i) {
        const double from = start + i * step;
        const double to = start + (i + 1) * step;
        if (const double change = logChange(from, to); change > largest) {
            largest = change;
            low = from;
            high = to;
        }
    }
    for (double middle = low + (high - low) / 2; middle > low && middle < high;
         middle = low + (high - low) / 2) {
        if (logChange(low, middle) > logChange(middle, high)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    if (logChange(low, high) < kDiscontinuityLogChange) {
        return std::nullopt;
    }
    return Jump{high, photo(low), photo(high)};
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
    const auto photo = PhotoelectricJump(atomicNumber, nominal);
    ElementEdge edge{photo ? photo->EnergyKeV : nominal, {}, {}};
    if (edge.EnergyKeV <= lowKeV || edge.EnergyKeV >= highKeV) {
        return std::nullopt;
    }
    edge.Below = ElementAt(atomicNumber, edge.EnergyKeV);
    edge.Above = edge.Below;
    if (photo) {
        edge.Below.Photoelectric = photo->Below;
        edge.Above.Photoelectric = photo->Above;
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
