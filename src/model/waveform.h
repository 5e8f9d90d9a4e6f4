#pragma once

#include <array>

#include "calculation_state.h"

namespace tubeline {

// One sample of the tube voltage over the generator's rectified waveform.
struct WaveformSample {
    double Voltage = 0;  // kV, numerically the largest electron energy in keV
    double Weight = 0;   // share of the tube current at that voltage
};

// Single-phase full-wave: 2..90 degrees in 2-degree steps.
inline constexpr int kMostWaveformSamples = 45;

// The samples of one run, in order of rising phase angle and so of rising voltage. The spectra
// are divided by their count, not by the sum of their weights.
struct Waveform {
    std::array<WaveformSample, kMostWaveformSamples> Samples{};
    int Count = 0;
};

// Constant potential: one sample at the peak. Three-phase 12-pulse: phase 75..90 degrees in
// 1-degree steps. Single-phase full-wave: 2..90 degrees in 2-degree steps, weighted
// (min(sin / 0.75, 1))^1.5.
Waveform SampleWaveform(RectificationMode rectification, double tubeVoltage);

}  // namespace tubeline
