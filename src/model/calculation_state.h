#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "energy_grid.h"

namespace tubeline {

// The two published models, Tucker, Barnes and Chakraborty and Birch and Marshall, whose spectra
// are relative; and the physics model, whose spectra are absolute (per mAs).
enum class SpectrumModel { Tucker = 1, Birch = 2, Physics = 3 };

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

// Where the air kerma per mAs of a model with an absolute scale is wanted, and how the tube's
// output compares with the model's: conditions beside the five, which a relative spectrum does
// not need.
template <class Field>
struct OutputConditions {
    Field DistanceMm{};    // from the focus, along the central ray
    Field OutputFactor{};  // the tube's air kerma over the model's
    bool operator==(const OutputConditions&) const = default;
};
using OutputValues = OutputConditions<double>;
using OutputTexts = OutputConditions<std::string>;

inline constexpr OutputValues kDefaultOutput{1000, 1};

// The operator's inputs: the five conditions as checked, in the units typed, with the model,
// the rectification and where its output is wanted. Lengths become cm only where an attenuation
// coefficient in 1/cm meets them (Centimetres).
struct IrradiationConditions : ConditionValues {
    SpectrumModel ModelChoice = SpectrumModel::Tucker;
    RectificationMode Rectification = RectificationMode::ConstantPotential;
    OutputValues Output = kDefaultOutput;
};

class PhysicsTargetData;

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
    // The physics model's data of the same folder, read when the model first runs; shared by
    // the copies of the table. None for a table that did not come from a folder.
    std::shared_ptr<const PhysicsTargetData> PhysicsTarget;
};

// The plane of a model's absolute spectra: perpendicular to the central ray, 1 m from the focus.
inline constexpr double kAbsolutePlaneDistanceMm = 1000;

// Results of the last model run.
struct SpectrumTable {
    EnergyArray SampleSpectrum{};              // one waveform sample, before filtration
    AngleEnergyArray PhotonSpectrum{};         // photons per 0.5-keV bin, in the model's units
    AngleArray AnglePeak{};                    // largest PhotonSpectrum[a][j] over j
    double SpectrumPeak = 0;                   // largest AnglePeak over the angles
    AngleEnergyArray EnergyFluenceSpectrum{};  // E * PhotonSpectrum, peak 1
    double EnergyFluencePeak = 0;
    AngleEnergyArray KermaSpectrum{};  // E * MuEnAir * PhotonSpectrum, peak 1
    double KermaPeak = 0;
    EnergyArray CentralSpectrum{};  // PhotonSpectrum of the central ray
    // Set by a model with an absolute scale, whose PhotonSpectrum is then in photons per 0.5-keV
    // bin per mm2 per mAs on the plane kAbsolutePlaneDistanceMm from the focus: where the run's
    // output is wanted.
    std::optional<OutputValues> AbsoluteOutput;
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
