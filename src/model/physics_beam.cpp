#include "physics_beam.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "emission_geometry.h"
#include "filter_transmission.h"
#include "base/parallel_for.h"
#include "physics_constants.h"
#include "waveform.h"

namespace tubeline {
namespace {

constexpr double kCoulombPerMilliampereSecond = 1e-3;
constexpr double kElectronsPerMas = kCoulombPerMilliampereSecond / kElementaryCharge;
// The plane of the spectra: 1 m from the focus.
constexpr double kPlaneDistanceMm = 1000;
constexpr double kMicrograyPerKermaUnit = 1e2;  // units of 1e-4 Gy per microgray

double TakeOffAngle(double targetAngleDegrees, int angleIndex) {
    return (targetAngleDegrees - EmissionAngleDegrees(angleIndex)) * std::numbers::pi / 180;
}

}  // namespace

AngleEnergyArray PhysicsSpectraPerMas(const PhysicsSourceTerm& source, const ModelInputs& inputs) {
    const IrradiationConditions& conditions = inputs.Conditions;
    // Rays at or behind the target surface leave no photons: the anode is in their way.
    std::vector<int> angleIndices;
    std::vector<double> takeOffAngles;
    for (int a = 1; a <= kAngleCount; ++a) {
        const double takeOff = TakeOffAngle(conditions.TargetAngle, a);
        if (takeOff > 0) {
            angleIndices.push_back(a);
            takeOffAngles.push_back(takeOff);
        }
    }
    const Waveform waveform = SampleWaveform(conditions.Rectification, conditions.TubeVoltage);
    std::vector<std::vector<TargetEmission>> emissions(waveform.Count);
    ForEachIndexInParallel(
        waveform.Count, std::min(WorkerThreadCount(), waveform.Count),
        [&](int n) { emissions[n] = source.Emission(waveform.Samples[n].Voltage, takeOffAngles); });

    double charge = 0;
    for (int n = 0; n < waveform.Count; ++n) {
        charge += waveform.Samples[n].Weight;
    }
    AngleEnergyArray spectra{};
    for (std::size_t i = 0; i < angleIndices.size(); ++i) {
        const int a = angleIndices[i];
        const EmissionGeometry geometry = GeometryOfAngle(a, conditions.TargetAngle);
        const double perSteradianToPerMm2 =
            geometry.InverseSquare / (kPlaneDistanceMm * kPlaneDistanceMm);
        EnergyArray& spectrum = spectra[a];
        for (int n = 0; n < waveform.Count; ++n) {
            const TargetEmission& emission = emissions[n][i];
            for (int j = 1; j <= kEnergyBinCount; ++j) {
                spectrum[j] +=
                    waveform.Samples[n].Weight * (emission.Bremsstrahlung[j] + emission.Lines[j]);
            }
        }
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            spectrum[j] *= kElectronsPerMas / charge * kEnergyStepKeV * perSteradianToPerMm2 *
                           FilterTransmission(inputs, geometry.PathFactor, j);
        }
    }
    return spectra;
}

double AirKermaMicrogray(const EnergyArray& photonsPerMm2, const EnergyArray& muEnAir) {
    double kerma = 0;
    for (int j = 2; j <= kEnergyBinCount; ++j) {
        kerma += kKermaPerKeVCm2PerGram * photonsPerMm2[j] / kPerCm2ToPerMm2 * PhotonEnergyKeV(j) *
                 muEnAir[j];
    }
    return kMicrograyPerKermaUnit * kerma;
}

}  // namespace tubeline
