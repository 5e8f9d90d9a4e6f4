#include "target_attenuation.h"

#include <array>
#include <cmath>

#include "physics_constants.h"

namespace tubeline {
namespace {

// Far below the first term of any sum, and far enough above the smallest normal double that a
// step never lands among the subnormal numbers, whose arithmetic is slow on x86.
constexpr double kNegligibleTransmission = 1e-290;

constexpr int kGroups = LaneGroupsFor(kEnergyBinCount + 1);

// The recurrence for every photon energy, in lane groups indexed by j: the transmission at the
// current electron energy, the step factor to the next lower one, and the step factor's growth
// per step (less 1). Lanes of no photon energy of the sample hold zeros throughout.
struct Recurrence {
    std::array<Lanes, kGroups> Transmission{};
    std::array<Lanes, kGroups> StepFactor{};
    std::array<Lanes, kGroups> StepGrowth{};
    std::array<Lanes, kGroups> Sums{};
};

// Adds one row's terms and takes every lane one electron-energy step down.
inline void Step(const Lanes& emission, Lanes& sum, Lanes& transmission, Lanes& stepFactor,
                 const Lanes& stepGrowth) {
    sum += transmission * emission;
    const Lanes next = transmission * stepFactor;
    transmission = next < kNegligibleTransmission ? Lanes{} : next;
    stepFactor += stepFactor * stepGrowth;
}

// The hot loop: about 11 million steps for a single-phase run at 150 kV, two rows per pass so
// that the state is loaded and stored half as often. The AVX2 version only does more lanes per
// instruction; the results are the same bits.
__attribute__((target_clones("avx2", "default"))) void SumDownwards(const EmissionTable& emission,
                                                                    int highest,
                                                                    Recurrence& state) {
    int m = highest;
    for (; m >= 3; m -= 2) {
        const Lanes* upper = emission.Row(m);
        const Lanes* lower = emission.Row(m - 1);
        for (int g = 0; g < EmissionTable::GroupsOfRow(m - 1); ++g) {
            Lanes sum = state.Sums[g];
            Lanes transmission = state.Transmission[g];
            Lanes stepFactor = state.StepFactor[g];
            const Lanes stepGrowth = state.StepGrowth[g];
            Step(upper[g], sum, transmission, stepFactor, stepGrowth);
            Step(lower[g], sum, transmission, stepFactor, stepGrowth);
            state.Sums[g] = sum;
            state.Transmission[g] = transmission;
            state.StepFactor[g] = stepFactor;
        }
    }
    if (m == 2) {
        const Lanes* last = emission.Row(2);
        for (int g = 0; g < EmissionTable::GroupsOfRow(1); ++g) {
            Step(last[g], state.Sums[g], state.Transmission[g], state.StepFactor[g],
                 state.StepGrowth[g]);
        }
    }
}

}  // namespace

SlowingDownDepths DepthsOfSample(double sampleVoltage, double thomsonWhiddington) {
    const double v = sampleVoltage;
    const int highest = HighestIndexAtOrBelow(v);
    const double top = PhotonEnergyKeV(highest);
    const double below = PhotonEnergyKeV(highest - 1);
    const double densityTimesC = kTungstenDensity * thomsonWhiddington;
    return {highest, (v * v - top * top) / densityTimesC,
            (top * top - below * below) / densityTimesC,
            2 * kEnergyStepKeV * kEnergyStepKeV / densityTimesC};
}

void SumSelfAbsorbedEmission(const EmissionTable& emission, const SlowingDownDepths& depths,
                             const EnergyArray& attenuationPerDepth, EnergyArray& sums) {
    Recurrence state;
    for (int j = 2; j <= depths.Highest; ++j) {
        const double x = attenuationPerDepth[j];
        Lanes& transmission = state.Transmission[j / kLaneCount];
        Lanes& stepFactor = state.StepFactor[j / kLaneCount];
        Lanes& stepGrowth = state.StepGrowth[j / kLaneCount];
        transmission[j % kLaneCount] = std::exp(-x * depths.TopDepth);
        stepFactor[j % kLaneCount] = std::exp(-x * depths.TopLayer);
        // expm1 keeps the growth's own rounding tiny; a rounded factor 1 + growth would be
        // applied k (k - 1) / 2 times after k steps.
        stepGrowth[j % kLaneCount] = std::expm1(x * depths.LayerShrink);
    }
    SumDownwards(emission, depths.Highest, state);
    for (int j = 2; j <= depths.Highest; ++j) {
        sums[j] = state.Sums[j / kLaneCount][j % kLaneCount];
    }
}

}  // namespace tubeline
