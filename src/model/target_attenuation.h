#pragma once

#include <vector>

#include "emission_table.h"
#include "energy_grid.h"

namespace tubeline {

// The electron's depth in the target along the electron-energy grid of one waveform sample, by
// the Thomson-Whiddington law: depth(T) = (V^2 - T^2) / (rho C), in cm.
struct SlowingDownDepths {
    int Highest = 1;         // M, the highest electron energy index: 0.5 M <= V
    double TopDepth = 0;     // depth at T = 0.5 M
    double TopLayer = 0;     // depth gained from 0.5 M down to 0.5 (M - 1) keV
    double LayerShrink = 0;  // each further 0.5-keV step down gains this much less depth
};

// sampleVoltage V in kV and the Thomson-Whiddington constant C in keV2 cm2/g.
SlowingDownDepths DepthsOfSample(double sampleVoltage, double thomsonWhiddington);

// The emission of one sample, self-absorbed on the photon's way out, summed over the electron's
// slowing down: sums[j] = sum over m = j..M of exp(-x[j] depth(0.5 m)) * emission.Row(m)[j] for
// j = 2..M, where x[j] = MuTarget[j] * HeelFactor (1/cm). Bins above M are left alone.
//
// The attenuation is not evaluated term by term: its exponent is quadratic in T, so from the top
// electron energy (the smallest depth) downwards each term is the previous one times a step
// factor, and each step factor the previous one times a fixed growth; three exponentials per
// photon energy start the recurrence. The sum runs from the top down, and transmissions too
// small to matter beside its first term are dropped.
void SumSelfAbsorbedEmission(const EmissionTable& emission, const SlowingDownDepths& depths,
                             const EnergyArray& attenuationPerDepth, EnergyArray& sums);

// One version of SumSelfAbsorbedEmission, written for the vector registers of one instruction
// set. Every version gives the same bits.
struct SummingVersion {
    const char* InstructionSet;  // "AVX-512", "AVX2", "SSE2", "NEON", "WebAssembly SIMD", "scalar"
    void (*Sum)(const EmissionTable& emission, const SlowingDownDepths& depths,
                const EnergyArray& attenuationPerDepth, EnergyArray& sums);
};

// The versions that this build holds and this processor runs, widest first. On x86-64 these are
// AVX-512, AVX2 and SSE2 as far as the processor has them; elsewhere the one version of the
// target the program was built for. SumSelfAbsorbedEmission runs the first.
const std::vector<SummingVersion>& RunnableSummingVersions();

// Makes SumSelfAbsorbedEmission run `version` from now on, for measuring the versions against
// each other in one program; call it while no model run is under way.
void UseSummingVersion(const SummingVersion& version);

}  // namespace tubeline
