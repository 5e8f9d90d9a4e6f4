#include "waveform.h"

#include <algorithm>
#include <cmath>

namespace tubeline {
namespace {

// Below 75 % of the peak voltage the tube current of a single-phase generator falls with the
// 1.5th power of the relative voltage.
constexpr double kFullCurrentVoltageFraction = 0.75;
constexpr double kCurrentExponent = 1.5;

struct PhaseRange {
    int From, To, Step;  // degrees
};

PhaseRange PhaseRangeOf(RectificationMode rectification) {
    switch (rectification) {
        case RectificationMode::ConstantPotential:
            return {90, 90, 1};
        case RectificationMode::ThreePhaseTwelvePulse:
            return {75, 90, 1};
        case RectificationMode::SinglePhaseFullWave:
            break;
    }
    return {2, 90, 2};
}

}  // namespace

Waveform SampleWaveform(RectificationMode rectification, double tubeVoltage) {
    Waveform waveform;
    const PhaseRange range = PhaseRangeOf(rectification);
    for (int phase = range.From; phase <= range.To; phase += range.Step) {
        const double sine = std::sin(DegreesToRadians(phase));
        double weight = 1;
        if (rectification == RectificationMode::SinglePhaseFullWave) {
            weight = std::pow(std::min(sine / kFullCurrentVoltageFraction, 1.0), kCurrentExponent);
        }
        waveform.Samples[waveform.Count++] = {sine * tubeVoltage, weight};
    }
    return waveform;
}

}  // namespace tubeline
