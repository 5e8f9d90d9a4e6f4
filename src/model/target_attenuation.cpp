#include "target_attenuation.h"

#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>

#include "lanes.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

// Far below the first term of any sum. Transmissions below it are zeroed after every pair of
// steps, which keeps them out of the subnormal numbers (slow on x86): a pair of step factors is
// above 1e-17 even at 2 keV in tungsten, 150 kV and the steepest heel of a 12-degree target.
constexpr double kNegligibleTransmission = 1e-280;

constexpr int kStateLength = PaddedToWidestLanes(kEnergyBinCount + 1);

// The recurrence for every photon energy, indexed by j: the transmission at the current
// electron energy, the step factor to the next lower one, and the step factor's growth per step
// (less 1). Indices of no photon energy of the sample hold zeros throughout.
struct Recurrence {
    static constexpr std::size_t kAlignment = kWidestLaneCount * sizeof(double);
    alignas(kAlignment) std::array<double, kStateLength> Transmission{};
    alignas(kAlignment) std::array<double, kStateLength> StepFactor{};
    alignas(kAlignment) std::array<double, kStateLength> StepGrowth{};
    alignas(kAlignment) std::array<double, kStateLength> Sums{};
};

// The recurrence at as many consecutive photon energies as a group of lanes holds.
template <class Group>
struct RecurrenceLanes {
    Group Transmission, StepFactor, StepGrowth, Sum;

    [[gnu::always_inline]] void Load(const Recurrence& state, int j) {
        LoadLanes(&state.Transmission[j], Transmission);
        LoadLanes(&state.StepFactor[j], StepFactor);
        LoadLanes(&state.StepGrowth[j], StepGrowth);
        LoadLanes(&state.Sums[j], Sum);
    }

    [[gnu::always_inline]] void Store(Recurrence& state, int j) const {
        StoreLanes(Transmission, &state.Transmission[j]);
        StoreLanes(StepFactor, &state.StepFactor[j]);
        StoreLanes(Sum, &state.Sums[j]);
    }

    // Adds the terms of the row's photon energies and takes them one electron-energy step down.
    [[gnu::always_inline]] void Step(const double* row) {
        Group emission;
        LoadLanes(row, emission);
        Sum += Transmission * emission;
        Transmission *= StepFactor;
        StepFactor += StepFactor * StepGrowth;
    }

    [[gnu::always_inline]] void DropNegligible() {
        Transmission = Transmission < kNegligibleTransmission ? Group{} : Transmission;
    }
};

// One pass of the hot loop over `Rows` rows from m down, `Count` photon energies at a time, with
// negligible transmissions dropped after every pair of rows. It covers every j up to m; the lanes
// above it have all their terms, and the zeros of the rows leave them as they are.
template <int Count, int Rows>
[[gnu::always_inline]] inline void SumRowsDownwards(const EmissionTable& emission, int m,
                                                    Recurrence& state) {
    std::array<const double*, Rows> rows;
    for (int row = 0; row < Rows; ++row) {
        rows[row] = emission.Row(m - row);
    }
    for (int j = 0; j <= m; j += Count) {
        RecurrenceLanes<Lanes<Count>> lanes;
        lanes.Load(state, j);
        for (int row = 0; row < Rows; ++row) {
            lanes.Step(rows[row] + j);
            if (row % 2 == 1) {
                lanes.DropNegligible();
            }
        }
        lanes.Store(state, j);
    }
}

// Rows per pass of the hot loop: the fewer passes, the less often the state is loaded and
// stored. Eight suit four and eight lanes; with two lanes (SSE2) eight were slower than four.
constexpr int RowsPerPass(int laneCount) {
    return laneCount >= 4 ? 8 : 4;
}

// The hot loop, `Count` photon energies at a time: about 11 million steps for a single-phase run
// at 150 kV.
template <int Count>
[[gnu::always_inline]] inline void SumDownwards(const EmissionTable& emission, int highest,
                                                Recurrence& state) {
    constexpr int kRows = RowsPerPass(Count);
    static_assert(kRows % 2 == 0 && kRows <= EmissionTable::kMostRowsPerPass);
    int m = highest;
    for (; m >= kRows + 1; m -= kRows) {
        SumRowsDownwards<Count, kRows>(emission, m, state);
    }
    for (; m >= 3; m -= 2) {
        SumRowsDownwards<Count, 2>(emission, m, state);
    }
    if (m == 2) {
        SumRowsDownwards<Count, 1>(emission, m, state);
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

using SumDownwardsFunction = void(const EmissionTable&, int, Recurrence&);

// SumSelfAbsorbedEmission with one version of the hot loop.
template <SumDownwardsFunction* sumDownwards>
void SumWith(const EmissionTable& emission, const SlowingDownDepths& depths,
             const EnergyArray& attenuationPerDepth, EnergyArray& sums) {
    Recurrence state;
    for (int j = 2; j <= depths.Highest; ++j) {
        const double x = attenuationPerDepth[j];
        state.Transmission[j] = std::exp(-x * depths.TopDepth);
        state.StepFactor[j] = std::exp(-x * depths.TopLayer);
        // e^y - 1 keeps the growth's own rounding tiny; a rounded factor 1 + growth would be
        // applied k (k - 1) / 2 times after k steps.
        state.StepGrowth[j] = ExpMinusOne(x * depths.LayerShrink);
    }
    sumDownwards(emission, depths.Highest, state);
    for (int j = 2; j <= depths.Highest; ++j) {
        sums[j] = state.Sums[j];
    }
}

// The versions of the hot loop, each compiled for its instruction set. On x86-64 the processor
// is asked which ones it runs (SSE2 is part of x86-64); elsewhere the build's target decides.
#if defined(__x86_64__)
[[gnu::target("avx512f")]] void SumDownwardsAvx512(const EmissionTable& emission, int highest,
                                                   Recurrence& state) {
    SumDownwards<8>(emission, highest, state);
}

[[gnu::target("avx2")]] void SumDownwardsAvx2(const EmissionTable& emission, int highest,
                                              Recurrence& state) {
    SumDownwards<4>(emission, highest, state);
}

void SumDownwardsSse2(const EmissionTable& emission, int highest, Recurrence& state) {
    SumDownwards<2>(emission, highest, state);
}

std::vector<SummingVersion> FindRunnableVersions() {
    __builtin_cpu_init();
    std::vector<SummingVersion> versions;
    if (__builtin_cpu_supports("avx512f")) {
        versions.push_back({"AVX-512", SumWith<SumDownwardsAvx512>});
    }
    if (__builtin_cpu_supports("avx2")) {
        versions.push_back({"AVX2", SumWith<SumDownwardsAvx2>});
    }
    versions.push_back({"SSE2", SumWith<SumDownwardsSse2>});
    return versions;
}
#else
#if defined(__aarch64__)
constexpr char kBuildInstructionSet[] = "NEON";
constexpr int kBuildLaneCount = 2;
#elif defined(__wasm_simd128__)
constexpr char kBuildInstructionSet[] = "WebAssembly SIMD";
constexpr int kBuildLaneCount = 2;
#elif defined(__SSE2__)
constexpr char kBuildInstructionSet[] = "SSE2";
constexpr int kBuildLaneCount = 2;
#else
constexpr char kBuildInstructionSet[] = "scalar";
constexpr int kBuildLaneCount = 1;
#endif

void SumDownwardsOfBuild(const EmissionTable& emission, int highest, Recurrence& state) {
    SumDownwards<kBuildLaneCount>(emission, highest, state);
}

std::vector<SummingVersion> FindRunnableVersions() {
    return {{kBuildInstructionSet, SumWith<SumDownwardsOfBuild>}};
}
#endif

// Picked when the program loads.
std::atomic<decltype(SummingVersion::Sum)> versionInUse{RunnableSummingVersions().front().Sum};

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
    versionInUse.load(std::memory_order_relaxed)(emission, depths, attenuationPerDepth, sums);
}

const std::vector<SummingVersion>& RunnableSummingVersions() {
    static const std::vector<SummingVersion> versions = FindRunnableVersions();
    return versions;
}

void UseSummingVersion(const SummingVersion& version) {
    versionInUse.store(version.Sum, std::memory_order_relaxed);
}

}  // namespace tubeline
