#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace tubeline {

// Photon energies: EnergyIndex j = 1..300 is the 0.5-keV bin at 0.5 * j keV.
inline constexpr int kEnergyBinCount = 300;
inline constexpr double kEnergyStepKeV = 0.5;

// Emission angles: AngleIndex a = 1..11 is 2 * (a - 6) degrees; 6 is the central ray.
inline constexpr int kAngleCount = 11;
inline constexpr int kCentralAngleIndex = 6;
inline constexpr double kAngleStepDegrees = 2.0;

// The models convert degrees with this value of pi, not a more precise one; results depend on it.
inline constexpr double kModelPi = 3.14159;

// Arrays over either grid keep slot 0 unused so that indices read as in the formulas.
using EnergyArray = std::array<double, kEnergyBinCount + 1>;
using AngleArray = std::array<double, kAngleCount + 1>;
using AngleEnergyArray = std::array<EnergyArray, kAngleCount + 1>;

inline constexpr double PhotonEnergyKeV(int energyIndex) {
    return kEnergyStepKeV * energyIndex;
}

// PhotonEnergyKeV of every EnergyIndex, for sums that take a line's energy from an array.
inline constexpr EnergyArray kBinEnergiesKeV = [] {
    EnergyArray energies{};
    for (int j = 1; j <= kEnergyBinCount; ++j) {
        energies[j] = PhotonEnergyKeV(j);
    }
    return energies;
}();

// The highest EnergyIndex j with 0.5 j not above `keV`, and at least 1.
inline int HighestIndexAtOrBelow(double keV) {
    return std::max(1, static_cast<int>(std::floor(keV / kEnergyStepKeV)));
}

inline constexpr double EmissionAngleDegrees(int angleIndex) {
    return kAngleStepDegrees * (angleIndex - kCentralAngleIndex);
}

inline constexpr double DegreesToRadians(double degrees) {
    return degrees * kModelPi / 180;
}

}  // namespace tubeline
