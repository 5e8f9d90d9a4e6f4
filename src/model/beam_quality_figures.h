#pragma once

#include <array>
#include <optional>
#include <span>

#include "calculation_state.h"

namespace tubeline {

// Figures of the quality of one beam, from its photon spectrum (photons per 0.5-keV bin), by the
// rules written down in the README under "Beam-quality figures". A figure that cannot be found
// within the search range is empty, never NaN.
struct BeamQualityFigures {
    std::optional<double> HalfValueLayerMm;        // first half-value layer, mm Al
    std::optional<double> SecondHalfValueLayerMm;  // the further aluminium that halves it again
    std::optional<double> HomogeneityCoefficient;  // first / second half-value layer
    std::optional<double> CopperHalfValueLayerMm;  // first half-value layer, mm Cu
    double MeanEnergyKeV = 0;                      // fluence-weighted
    double KermaWeightedMeanEnergyKeV = 0;
    std::optional<double> EffectiveEnergyKeV;  // where aluminium's mu gives the first layer
    double FluencePerExposure = 0;             // photons per mm2 per 1 C/kg
    // The kerma in water and in soft tissue over the air kerma, for the same photons.
    std::optional<double> WaterToAirKermaRatio;
    std::optional<double> SoftTissueToAirKermaRatio;
    // Of a model with an absolute scale only, per mAs: the air kerma (microgray) and the photons
    // per mm2 on the plane 1 m from the focus as the model gives them, and the air kerma
    // (microgray) on the plane at the conditions' distance times their output factor.
    std::optional<double> AirKermaPerMasAt1mMicrogray;
    std::optional<double> FluencePerMasAt1m;
    std::optional<double> AirKermaPerMasAtDistanceMicrogray;

    bool operator==(const BeamQualityFigures&) const = default;
};

// The figures of one spectrum, without an absolute output. The first half-value layer and the
// fluence per exposure are those of ComputeBeamQuality bit for bit. Nothing comes back when
// ComputeBeamQuality gives nothing (no air kerma from 5.5 keV up, a half-value layer or fluence
// per exposure that is not a finite number), nor when a mean energy is not finite.
std::optional<BeamQualityFigures> ComputeBeamQualityFigures(const EnergyArray& spectrum,
                                                            const AttenuationTable& attenuation);

// The figures of a run's central spectrum, with its absolute output where the model has one:
// those of ComputeAngleFigures at the beam centre.
std::optional<BeamQualityFigures> ComputeBeamCentreFigures(const SpectrumTable& spectra,
                                                           const AttenuationTable& attenuation);

// The building blocks of the figures that spectra on other grids share (see
// supplied_spectrum_figures.h).

// Percent of the air kerma left behind the second half-value layer; the copper curve's step.
inline constexpr double kQuarterKermaPercent = 25;
inline constexpr double kCopperStepCm = 0.001;

struct MeanEnergies {
    double FluenceWeighted = 0;  // keV
    double KermaWeighted = 0;    // keV
};
// Of lines of photons at energies (keV), air's mu_en/rho (cm2/g) at each.
MeanEnergies MeanEnergiesOf(std::span<const double> photons, std::span<const double> energiesKeV,
                            std::span<const double> muEnAir);

// The kerma in a medium over the air kerma of lines of photons at energies (keV): the mean of
// (mu_en/rho)_medium / (mu_en/rho)_air weighted by each line's air kerma, which is
// sum(photons E mu_en,medium) / sum(photons E mu_en,air). Nothing when the medium's coefficients
// (cm2/g) give no positive, finite kerma: a table that does not hold them.
std::optional<double> KermaRatioToAir(std::span<const double> photons,
                                      std::span<const double> energiesKeV,
                                      std::span<const double> muEnAir,
                                      std::span<const double> muEnMedium);

// The energy in keV at which aluminium's coefficient (1/cm, on the table's bins) gives the first
// half-value layer: log-log interpolation between neighbouring bins, searched downward from the
// bin `top` to kFirstKermaBin. Nothing when no bin brackets it.
std::optional<double> EffectiveEnergyKeV(double halfValueLayerMm, const EnergyArray& muAluminium,
                                         int top);

// Figures of the eleven emission angles, indexed by AngleIndex (slot 0 unused and empty), with
// the absolute output where the model has one; the beam centre, index 6, is that of the central
// spectrum.
using AngleFigures = std::array<std::optional<BeamQualityFigures>, kAngleCount + 1>;
AngleFigures ComputeAngleFigures(const SpectrumTable& spectra, const AttenuationTable& attenuation);

}  // namespace tubeline
