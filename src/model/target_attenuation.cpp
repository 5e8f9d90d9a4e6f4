#include "target_attenuation.h"

#include <array>
#include <cmath>

#include "physics_constants.h"

namespace tubeline {
namespace {

// Far below the first term of any sum. Transmissions below it are zeroed after every pair of
// steps, which keeps them out of the subnormal numbers (slow on x86): a pair of step factors is
// above 1e-17 even at 2 keV in tungsten, 150 kV and the steepest heel of a 12-degree target.
constexpr double kNegligibleTransmission = 1e-280;

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
    transmission *= stepFactor;
    stepFactor += stepFactor * stepGrowth;
}

inline void DropNegligible(Lanes& transmission) {
    transmission = transmission < kNegligibleTransmission ? Lanes{} : transmission;
}

// On x86-64 Linux the hot loop gets AVX-512 and AVX2 versions besides the SSE2 one, picked when
// the program loads (an ifunc); they only do more lanes per instruction, so the results are the
// same bits. Elsewhere (64-bit ARM: NEON) there is the one version the target has.
#if defined(__x86_64__) && defined(__linux__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define WIDER_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#endif
#endif
#ifndef WIDER_VECTOR_CLONES
#define WIDER_VECTOR_CLONES
#endif

// The hot loop: about 11 million steps for a single-phase run at 150 kV, two rows per pass so
// that the state is loaded and stored half as often.
WIDER_VECTOR_CLONES void SumDownwards(const EmissionTable& emission, int highest,
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
            DropNegligible(transmission);
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

// e^y - 1 for y >= 0. Below 2^-7, which covers nearly every photon energy, the series
// y + y^2 (1/2! + y (1/3! + ... + y / 7!)) is quicker than std::expm1; the next term is below
// 2^-64 of y, and adding y last keeps the result within about an ulp.
double ExpMinusOne(double y) {
    constexpr double kSeriesLimit = 0x1p-7;
    if (y < kSeriesLimit) {
        const double higher =
            1.0 / 2 +
            y * (1.0 / 6 + y * (1.0 / 24 + y * (1.0 / 120 + y * (1.0 / 720 + y * (1.0 / 5040)))));
        return y + y * y * higher;
    }
    return std::expm1(y);
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
        // e^y - 1 keeps the growth's own rounding tiny; a rounded factor 1 + growth would be
        // applied k (k - 1) / 2 times after k steps.
        stepGrowth[j % kLaneCount] = ExpMinusOne(x * depths.LayerShrink);
    }
    SumDownwards(emission, depths.Highest, state);
    for (int j = 2; j <= depths.Highest; ++j) {
        sums[j] = state.Sums[j / kLaneCount][j % kLaneCount];
    }
}

}  // namespace tubeline
