#include "bremsstrahlung_cross_section.h"

#include <algorithm>
#include <cmath>

#include "energy_grid.h"
#include "physics_constants.h"

namespace tubeline {

double BetaSquared(double electronKeV) {
    const double gamma = 1 + electronKeV / kElectronRestEnergyKeV;
    return 1 - 1 / (gamma * gamma);
}

BremsstrahlungCrossSection::BremsstrahlungCrossSection(const ScaledCrossSectionTable& table)
    : table_(table) {
    for (const double energy : table_.ElectronEnergiesKeV) {
        logEnergies_.push_back(std::log(energy));
    }
}

double BremsstrahlungCrossSection::RowAt(double electronKeV, std::vector<double>& chi) const {
    chi.assign(table_.PhotonFractions.size(), 0);
    const std::vector<double>& energies = table_.ElectronEnergiesKeV;
    if (electronKeV < energies.front() || electronKeV > energies.back()) {
        return 0;
    }
    const std::size_t upper = std::min<std::size_t>(
        std::upper_bound(energies.begin(), energies.end(), electronKeV) - energies.begin(),
        energies.size() - 1);
    const std::size_t lower = upper - 1;
    const double w =
        (std::log(electronKeV) - logEnergies_[lower]) / (logEnergies_[upper] - logEnergies_[lower]);
    for (std::size_t f = 0; f < chi.size(); ++f) {
        chi[f] = (1 - w) * table_.At(lower, f) + w * table_.At(upper, f);
    }
    return kCm2PerMillibarn * kTungstenAtomicNumber * kTungstenAtomicNumber /
           BetaSquared(electronKeV);
}

double BremsstrahlungCrossSection::ScaledMillibarn(double electronKeV,
                                                   double photonFraction) const {
    std::vector<double> chi;
    RowAt(electronKeV, chi);
    const std::vector<double>& fractions = table_.PhotonFractions;
    const std::size_t i = std::clamp<std::size_t>(
        std::upper_bound(fractions.begin(), fractions.end(), photonFraction) - fractions.begin(), 1,
        fractions.size() - 1);
    const double w = (photonFraction - fractions[i - 1]) / (fractions[i] - fractions[i - 1]);
    return (1 - w) * chi[i - 1] + w * chi[i];
}

double BremsstrahlungCrossSection::PerKeV(double electronKeV, double photonKeV) const {
    if (photonKeV > electronKeV || photonKeV <= 0) {
        return 0;
    }
    return ScaledMillibarn(electronKeV, photonKeV / electronKeV) * kCm2PerMillibarn *
           kTungstenAtomicNumber * kTungstenAtomicNumber / (BetaSquared(electronKeV) * photonKeV);
}

void BremsstrahlungCrossSection::PerKeVOnGrid(double electronKeV, std::span<double> perKeV) const {
    std::vector<double> chi;
    const double factor = RowAt(electronKeV, chi);
    const std::vector<double>& fractions = table_.PhotonFractions;
    // The fractions k/T rise with j; the interval [fractions[i - 1], fractions[i]] follows them.
    std::size_t i = 1;
    for (std::size_t j = 1; j < perKeV.size(); ++j) {
        const double photonKeV = PhotonEnergyKeV(static_cast<int>(j));
        const double fraction = photonKeV / electronKeV;
        while (i + 1 < fractions.size() && fractions[i] < fraction) {
            ++i;
        }
        const double w = (fraction - fractions[i - 1]) / (fractions[i] - fractions[i - 1]);
        perKeV[j] = factor * ((1 - w) * chi[i - 1] + w * chi[i]) / photonKeV;
    }
}

}  // namespace tubeline
