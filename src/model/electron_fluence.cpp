#include "electron_fluence.h"

#include <algorithm>
#include <cmath>

#include "physics_constants.h"

namespace tubeline {
namespace {

// The tabulated values around x: the index of the upper one and the weight of the upper one.
struct Bracket {
    std::size_t Upper;
    double UpperWeight;
};

Bracket BracketOf(const std::vector<double>& grid, double x) {
    const std::size_t upper = std::clamp<std::size_t>(
        std::upper_bound(grid.begin(), grid.end(), x) - grid.begin(), 1, grid.size() - 1);
    return {upper, (x - grid[upper - 1]) / (grid[upper] - grid[upper - 1])};
}

}  // namespace

double CsdaRangeCm(const ElectronRangeTable& table, double electronKeV) {
    const Bracket bracket = BracketOf(table.ElectronEnergiesKeV, electronKeV);
    const std::size_t upper = bracket.Upper;
    const double w =
        std::log(electronKeV / table.ElectronEnergiesKeV[upper - 1]) /
        std::log(table.ElectronEnergiesKeV[upper] / table.ElectronEnergiesKeV[upper - 1]);
    const double range =
        table.RangesGramPerCm2[upper - 1] *
        std::pow(table.RangesGramPerCm2[upper] / table.RangesGramPerCm2[upper - 1], w);
    return range / kTungstenDensity;
}

void FluenceMomentsAt(const ElectronFluenceTable& table, double incidentKeV,
                      std::vector<double>& moments) {
    const std::size_t count = table.MomentsPerEnergy();
    moments.resize(count);
    const std::vector<double>& energies = table.IncidentEnergiesKeV;
    if (incidentKeV <= energies.front()) {
        std::copy_n(table.Moments.begin(), count, moments.begin());
        return;
    }
    const Bracket bracket = BracketOf(energies, incidentKeV);
    const double* lower = table.Moments.data() + (bracket.Upper - 1) * count;
    const double* upper = lower + count;
    const double w = bracket.UpperWeight;
    for (std::size_t n = 0; n < count; ++n) {
        moments[n] = (1 - w) * lower[n] + w * upper[n];
    }
}

}  // namespace tubeline
