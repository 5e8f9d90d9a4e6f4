#pragma once

#include <array>
#include <optional>
#include <span>

#include "calculation_state.h"

namespace tubeline {

// Bins below this one (below 5.5 keV) carry no weight in a half-value-layer search.
inline constexpr int kFirstKermaBin = 11;

// The air-kerma share of each bin from kFirstKermaBin to Top, normalised to their total. Top is
// the bin just above the highest non-zero one of the spectrum, at most the last bin.
struct KermaShares {
    EnergyArray Share{};
    int Top = 0;
    double Sum = 0;  // sum of the normalised shares: 1 up to rounding
};

// Nothing when the spectrum carries no finite, positive air kerma from 5.5 keV up.
std::optional<KermaShares> KermaSharesOf(const EnergyArray& spectrum, const EnergyArray& muEnAir);

// One step of a material: the thickness and, for every bin from kFirstKermaBin up, the fraction
// of the bin's kerma it lets through and the coefficient it comes from. The same for every
// spectrum, so worked out once for many.
struct MaterialStep {
    EnergyArray Transmission{};
    EnergyArray Mu{};  // 1/cm
    double ThicknessCm = 0;
};

// mu: the material's linear attenuation coefficient, 1/cm.
MaterialStep MaterialStepOf(const EnergyArray& mu, double stepCm);

using TransmissionCurve = std::array<double, kKermaTransmissionSteps + 1>;

// Thickness in cm at which the kerma falls to `percent` on a curve whose entries 1 .. steps
// (slot 0 unused) are the percent left behind that many steps of stepCm: the first step k >= 2
// whose entry is not above it, log-linear interpolation between steps k - 1 and k. Nothing when
// no entry is at or below `percent`; not finite when an entry involved is 0.
std::optional<double> DepthOnCurveCm(std::span<const double> transmission, int steps,
                                     double percent, double stepCm);

// When the first step already leaves less than `percent`, the interpolation above would run
// out beyond the curve's start and, the softest bins dying first, come out too thin. The depth
// d within the first step (0 .. stepCm) at which the kerma left,
//   100 * sum(shares_j * exp(-mu_j * d)) / sumOfShares,
// is `percent` instead: the same transmission the steps take, solved for d to the last bits.
// shares and mu (1/cm) pair up bin by bin.
double DepthWithinFirstStepCm(std::span<const double> shares, std::span<const double> mu,
                              double sumOfShares, double percent, double stepCm);

// The air kerma left, in percent, behind k equal steps of one material (k = 1 .. at most
// kKermaTransmissionSteps), the shares attenuated cumulatively step by step. Every entry comes
// out the same however the steps are requested.
class KermaTransmissionCurve {
  public:
    KermaTransmissionCurve(const KermaShares& shares, const MaterialStep& step);

    // Takes steps until `steps` of them are done.
    void AttenuateTo(int steps);
    // Takes steps until the kerma left is at or below `percent`, at least two of them (the
    // search below starts at the second) and at most kKermaTransmissionSteps. Steps go in passes
    // of a few, so up to three more may follow the first at or below `percent`.
    void AttenuateWhileAbove(double percent);

    // DepthOnCurveCm of the steps taken so far, or DepthWithinFirstStepCm when the first step
    // leaves less than `percent`.
    std::optional<double> DepthCm(double percent) const;

    // The shares after the steps taken so far.
    const EnergyArray& Shares() const { return shares_; }
    // Entries 1 .. the steps taken; the others are 0.
    const TransmissionCurve& Transmission() const { return transmission_; }

  private:
    template <int Count>
    void AttenuateSteps();

    EnergyArray firstShares_;  // before the first step
    EnergyArray shares_;
    MaterialStep step_;
    TransmissionCurve transmission_{};
    int top_;
    double sumOfShares_;
    int steps_ = 0;
};

}  // namespace tubeline
