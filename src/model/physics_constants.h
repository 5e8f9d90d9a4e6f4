#pragma once

namespace tubeline {

inline constexpr double kTungstenDensity = 19.3;       // g/cm3, as the models use it
inline constexpr double kElectronRestEnergyKeV = 511;  // keV

inline constexpr int kTungstenAtomicNumber = 74;
inline constexpr double kTungstenMolarMass = 183.84;          // g/mol
inline constexpr double kAvogadroConstant = 6.02214076e23;    // 1/mol
inline constexpr double kElementaryCharge = 1.602176634e-19;  // C
inline constexpr double kCm2PerMillibarn = 1e-27;

// Air kerma per photon, in units of 1e-4 Gy, for E in keV and mu_en/rho in cm2/g with the
// fluence in photons/cm2: 1 keV/g = 1.602e-13 Gy.
inline constexpr double kKermaPerKeVCm2PerGram = 1.602e-09;
inline constexpr double kKermaUnitsPerRoentgen = 86.9;    // 1 R = 86.9e-4 Gy air kerma
inline constexpr double kRoentgenPerCoulombPerKg = 3876;  // R per C/kg
inline constexpr double kPerCm2ToPerMm2 = 0.01;

inline constexpr double kKeVToMeV = 0.001;
inline constexpr double kMillimetresToCentimetres = 0.1;
inline constexpr double kCentimetresToMillimetres = 10;

// A thickness in mm as the attenuation coefficients in 1/cm take it.
inline constexpr double Centimetres(double millimetres) {
    return millimetres * kMillimetresToCentimetres;
}

}  // namespace tubeline
