#include "physics_spectra.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "base/parallel_for.h"
#include "emission_geometry.h"
#include "filter_transmission.h"
#include "physics_constants.h"
#include "waveform.h"

namespace tubeline {
namespace {

constexpr double kCoulombPerMilliampereSecond = 1e-3;
constexpr double kElectronsPerMas = kCoulombPerMilliampereSecond / kElementaryCharge;
// As every model leaves it, the 0.5-keV bin stays empty.
constexpr int kFirstPhotonBin = 2;

// Radians between the ray of AngleIndex a and the target surface.
double TakeOffAngle(double targetAngleDegrees, int angleIndex) {
    return (targetAngleDegrees - EmissionAngleDegrees(angleIndex)) * std::numbers::pi / 180;
}

}  // namespace

void ComputePhysicsSpectra(const ModelInputs& inputs, const PhysicsSourceTerm& source,
                           SpectrumTable& spectra) {
    const IrradiationConditions& conditions = inputs.Conditions;
    spectra = SpectrumTable{};
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
    // The samples rise in voltage and their work with it: the highest are handed out first, so
    // that the threads finish together.
    std::vector<std::vector<TargetEmission>> emissions(waveform.Count);
    ForEachIndexInParallel(
        waveform.Count, std::min(WorkerThreadCount(), waveform.Count), [&](int i) {
            const int n = waveform.Count - 1 - i;
            emissions[n] = source.Emission(waveform.Samples[n].Voltage, takeOffAngles);
        });
    if (!emissions.back().empty()) {
        const TargetEmission& last = emissions.back().back();
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            spectra.SampleSpectrum[j] = last.Bremsstrahlung[j] + last.Lines[j];
        }
    }

    double charge = 0;
    for (int n = 0; n < waveform.Count; ++n) {
        charge += waveform.Samples[n].Weight;
    }
    for (std::size_t i = 0; i < angleIndices.size(); ++i) {
        const int a = angleIndices[i];
        const EmissionGeometry geometry = GeometryOfAngle(a, conditions.TargetAngle);
        const double perElectronToPerMas = kElectronsPerMas / charge * kEnergyStepKeV *
                                           geometry.InverseSquare /
                                           (kAbsolutePlaneDistanceMm * kAbsolutePlaneDistanceMm);
        EnergyArray& spectrum = spectra.PhotonSpectrum[a];
        for (int n = 0; n < waveform.Count; ++n) {
            const TargetEmission& emission = emissions[n][i];
            for (int j = kFirstPhotonBin; j <= kEnergyBinCount; ++j) {
                spectrum[j] +=
                    waveform.Samples[n].Weight * (emission.Bremsstrahlung[j] + emission.Lines[j]);
            }
        }
        for (int j = kFirstPhotonBin; j <= kEnergyBinCount; ++j) {
            spectrum[j] *= perElectronToPerMas * FilterTransmission(inputs, geometry.PathFactor, j);
        }
    }
    FinishSpectra(inputs, spectra);
    spectra.AbsoluteOutput = conditions.Output;
}

}  // namespace tubeline
