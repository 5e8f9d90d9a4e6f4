#include "characteristic_emission.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "physics_constants.h"

namespace tubeline {

CharacteristicEmission::CharacteristicEmission(const TungstenTargetTables& tables,
                                               std::vector<CharacteristicLine> lines)
    : depthIntegral_(tables.FluorescenceDepths) {
    for (int s = 0; s < kFluorescenceShellCount; ++s) {
        shells_[s].IncidentEnergiesKeV = tables.Fluorescence[s].IncidentEnergiesKeV;
        shells_[s].PhotonsPerDepth = tables.Fluorescence[s].PhotonsPerDepth;
    }
    for (CharacteristicLine& line : lines) {
        shells_[static_cast<int>(line.Shell)].Lines.push_back(std::move(line));
    }
}

void CharacteristicEmission::Add(double incidentKeV, double rangeCm, double takeOffAngle,
                                 EnergyArray& spectrum) const {
    const std::size_t depthCount = depthIntegral_.Size();
    std::vector<double> photons(depthCount);
    for (const Shell& shell : shells_) {
        const std::vector<double>& energies = shell.IncidentEnergiesKeV;
        if (incidentKeV < energies.front() || shell.Lines.empty()) {
            continue;
        }
        const std::size_t upper = std::clamp<std::size_t>(
            std::upper_bound(energies.begin(), energies.end(), incidentKeV) - energies.begin(), 1,
            energies.size() - 1);
        const double w =
            (incidentKeV - energies[upper - 1]) / (energies[upper] - energies[upper - 1]);
        const double* lower = shell.PhotonsPerDepth.data() + (upper - 1) * depthCount;
        for (std::size_t m = 0; m < depthCount; ++m) {
            photons[m] = (1 - w) * lower[m] + w * lower[m + depthCount];
        }
        for (const CharacteristicLine& line : shell.Lines) {
            const int bin = static_cast<int>(std::lround(line.EnergyKeV / kEnergyStepKeV));
            if (bin < 1 || bin > kEnergyBinCount) {
                continue;
            }
            const double attenuation =
                line.TungstenMassAttenuation * kTungstenDensity * rangeCm / std::sin(takeOffAngle);
            const double escaping = depthIntegral_.Of(attenuation, photons);
            // Isotropic; the whole line in one bin, so per keV is per bin over its width.
            spectrum[bin] += line.Share * escaping / (4 * std::numbers::pi) / kEnergyStepKeV;
        }
    }
}

}  // namespace tubeline
