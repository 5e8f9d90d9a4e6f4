#include "material_attenuation.h"

#include <cmath>

namespace tubeline {
namespace {

// Log-log interpolation of the total mass attenuation coefficient, cm2/g, at energy E in MeV.
double InterpolatedTotal(const MaterialTable& rows, double energyMeV) {
    // The first row above E, searched from the first row: at an energy listed twice (an edge)
    // both rows are passed, so the row above the edge is used. The reader's checks keep the
    // search inside the table.
    std::size_t above = 0;
    while (above < rows.size() && energyMeV >= rows[above].Energy) {
        ++above;
    }
    const MaterialRow& low = rows[above - 1];
    const MaterialRow& high = rows[above];
    const double logTotal =
        std::log(low.Total) + (std::log(energyMeV) - std::log(low.Energy)) /
                                  (std::log(high.Energy) - std::log(low.Energy)) *
                                  (std::log(high.Total) - std::log(low.Total));
    return std::exp(logTotal);
}

}  // namespace

EnergyArray MuFilterOf(const MaterialFile& material) {
    EnergyArray mu{};
    // Even indices are the whole keV.
    for (int j = 2; j <= kEnergyBinCount; j += 2) {
        mu[j] =
            material.Density * InterpolatedTotal(material.Table, PhotonEnergyKeV(j) * kKeVToMeV);
    }
    for (int j = 3; j < kEnergyBinCount; j += 2) {
        mu[j] = 0.5 * (mu[j - 1] + mu[j + 1]);
    }
    mu[1] = mu[2];
    return mu;
}

}  // namespace tubeline
