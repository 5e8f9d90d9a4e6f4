#pragma once

#include <array>
#include <optional>
#include <string>

#include "energy_grid.h"

namespace tubeline {

// The two published models: Tucker, Barnes and Chakraborty; Birch and Marshall.
enum class SpectrumModel { Tucker = 1, Birch = 2 };

// How the generator rectifies the tube voltage; the numbers are those the operator knows them by.
enum class RectificationMode {
    ConstantPotential = 1,
    ThreePhaseTwelvePulse = 2,
    SinglePhaseFullWave = 3,
};

// The five conditions a person sets, each in the unit it is typed in, as numbers
// (ConditionValues) or as typed (ConditionTexts).
template <class Field>
struct FiveConditions {
    Field TubeVoltage{};         // kV
    Field TargetAngle{};         // degrees
    Field InherentFiltration{};  // mm of aluminium equivalent
    Field AluminiumFilter{};     // mm
    Field CopperFilter{};        // mm
    bool operator==(const FiveConditions&) const = default;
};
using ConditionValues = FiveConditions<double>;
using ConditionTexts = FiveConditions<std::string>;

// The operator's inputs: the five conditions as checked, in the units typed, with the model and
// the rectification. Lengths become cm only where an attenuation coefficient in 1/cm meets them
// (Centimetres).
struct IrradiationConditions : ConditionValues {
    SpectrumModel ModelChoice = SpectrumModel::Tucker;
    RectificationMode Rectification = RectificationMode::ConstantPotential;
};

// Read-only after start-up; one value per EnergyIndex 1..300.
struct AttenuationTable {
    EnergyArray MuTarget{};     // tungsten, 1/cm
    EnergyArray MuAluminium{};  // 1/cm
    EnergyArray MuCopper{};     // 1/cm
    // Mass energy-absorption coefficients, cm2/g: dry air, which weighs every kerma, and the
    // two media whose kerma the beam-quality figures compare with it.
    EnergyArray MuEnAir{};
    EnergyArray MuEnWater{};
    EnergyArray MuEnSoftTissue{};
};

// Results of the last model run.
struct SpectrumTable {
    EnergyArray SampleSpectrum{};              // one waveform sample, before filtration
    AngleEnergyArray PhotonSpectrum{};         // photons per 0.5-keV bin, absolute model units
    AngleArray AnglePeak{};                    // largest PhotonSpectrum[a][j] over j
    double SpectrumPeak = 0;                   // largest AnglePeak over the angles
    AngleEnergyArray EnergyFluenceSpectrum{};  // E * PhotonSpectrum, peak 1
    double EnergyFluencePeak = 0;
    AngleEnergyArray KermaSpectrum{};  // E * MuEnAir * PhotonSpectrum, peak 1
    double KermaPeak = 0;
    EnergyArray CentralSpectrum{};  // PhotonSpectrum of the central ray
};

inline constexpr int kFilterSlotCount = 3;

// Up to three filters of arbitrary material; slot 0 is unused. A slot that holds no filter
// has MuFilter 0 everywhere and so transmits everything whatever its thickness says.
struct MaterialFilter {
    int FilterCount = 0;
    std::array<double, kFilterSlotCount + 1> FilterThickness{};  // mm
    std::array<EnergyArray, kFilterSlotCount + 1> MuFilter{};    // 1/cm
    std::array<std::string, kFilterSlotCount + 1> FilterName{};
};

// Room for a half-value-layer search up to 100 mm Al in 0.1-mm steps.
inline constexpr int kKermaTransmissionSteps = 1000;

struct BeamQuality {
    EnergyArray KermaShare{};
    std::array<double, kKermaTransmissionSteps + 1> KermaTransmission{};  // percent
    std::optional<double> HalfValueLayer;  // mm Al; empty when the kerma never halves
    double FluencePerExposure = 0;         // photons per mm2 per 1 C/kg
};

// Everything a calculation reads and writes, one instance for the whole program run.
struct CalculationState {
    IrradiationConditions Conditions;
    AttenuationTable Attenuation;
    MaterialFilter Filters;
    SpectrumTable Spectra;
    BeamQuality Quality;
};

}  // namespace tubeline
