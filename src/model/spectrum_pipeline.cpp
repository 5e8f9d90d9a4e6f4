#include "spectrum_pipeline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/parallel_for.h"
#include "bremsstrahlung.h"
#include "emission_geometry.h"
#include "emission_table.h"
#include "filter_transmission.h"
#include "physics_constants.h"
#include "target_attenuation.h"
#include "waveform.h"

namespace tubeline {
namespace {

// Thomson-Whiddington constant for a sample voltage V in kV, keV2 cm2/g.
double ThomsonWhiddingtonConstant(double v) {
    return 141766 + 12157 * v - 111.046 * std::pow(v, 2) + 0.552536 * std::pow(v, 3) -
           0.000970158 * std::pow(v, 4);
}

// Above 70 kV the K lines of tungsten add this percentage of the bremsstrahlung.
constexpr double kKLineThresholdKV = 70;

double KLineToBremsstrahlungPercent(double v) {
    if (v > kKLineThresholdKV) {
        return (std::sqrt(8.79856 * v - 595.149) - 4.55528) / 4.39928;
    }
    return 0;
}

struct KLine {
    int EnergyIndex;
    double Share;
};
// Added in this order: K-alpha1 59.5, K-alpha2 58.0, K-beta1 67.0, K-beta2 69.0 keV.
constexpr KLine kKLines[] = {{119, 0.5048}, {116, 0.2908}, {134, 0.162}, {138, 0.0424}};
constexpr double kPercent = 0.01;

// What a waveform sample contributes to every angle, worked out once for all of them.
struct SampleOfRun {
    double Voltage = 0;
    double Weight = 0;
    SlowingDownDepths Depths;
    double VoltageFactor = 0;  // the model's factor of the sample voltage
    double KLineFraction = 0;  // K-line photons per bremsstrahlung photon of the sample
};

using SamplePlans = std::array<SampleOfRun, kMostWaveformSamples>;

// Everything the samples of a run share; read only while the sample spectra are computed.
struct RunPlan {
    const EmissionTable& Emission;
    const SamplePlans& Samples;
    int SampleCount;
    // MuTarget * HeelFactor of each angle, 1/cm: attenuation in the target per unit depth.
    const AngleEnergyArray& AttenuationPerDepth;
};

template <class Term>
SampleOfRun PlanSample(const WaveformSample& sample) {
    const double v = sample.Voltage;
    return {v, sample.Weight, DepthsOfSample(v, ThomsonWhiddingtonConstant(v)),
            Term::VoltageFactor(v), kPercent * KLineToBremsstrahlungPercent(v)};
}

// The bremsstrahlung and K lines of one sample at one angle, before the sample's weight; bins
// above the sample's voltage are left alone.
void ComputeSampleSpectrum(const RunPlan& plan, const SampleOfRun& sample,
                           const EnergyArray& attenuationPerDepth, EnergyArray& sampleSpectrum) {
    const int highest = sample.Depths.Highest;
    EnergyArray sums;
    SumSelfAbsorbedEmission(plan.Emission, sample.Depths, attenuationPerDepth, sums);
    for (int j = 2; j <= highest; ++j) {
        sampleSpectrum[j] = sample.VoltageFactor * sums[j];
    }
    if (sample.Voltage > kKLineThresholdKV) {
        double total = 0;
        for (int j = 2; j <= highest; ++j) {
            total += sampleSpectrum[j];
        }
        const double kLines = sample.KLineFraction * total;
        for (const KLine& line : kKLines) {
            sampleSpectrum[line.EnergyIndex] += line.Share * kLines;
        }
    }
}

// Starting a thread costs tens of microseconds, and on a busy machine it may wait for a time
// slice; a run with fewer (angle, sample, E, T) terms than this is quicker on one thread.
constexpr double kTermsWorthMoreThreads = 2e6;

int ThreadsFor(const RunPlan& plan) {
    double terms = 0;
    for (int n = 0; n < plan.SampleCount; ++n) {
        const double highest = plan.Samples[n].Depths.Highest;
        terms += kAngleCount * highest * highest / 2;
    }
    return terms < kTermsWorthMoreThreads ? 1 : WorkerThreadCount();
}

// The spectrum of every (angle, sample) pair, independent of each other, so spread over the
// threads; returned indexed by (a - 1) * SampleCount + n. The highest samples are handed out
// first, being the most work, so that the threads finish together.
std::vector<EnergyArray> ComputeSampleSpectra(const RunPlan& plan) {
    std::vector<EnergyArray> spectra(kAngleCount * plan.SampleCount);
    ForEachIndexInParallel(
        kAngleCount * plan.SampleCount, ThreadsFor(plan), [&plan, &spectra](int i) {
            const int n = plan.SampleCount - 1 - i / kAngleCount;
            const int a = 1 + i % kAngleCount;
            ComputeSampleSpectrum(plan, plan.Samples[n], plan.AttenuationPerDepth[a],
                                  spectra[(a - 1) * plan.SampleCount + n]);
        });
    return spectra;
}

// Filtration along the oblique path and the inverse-square fall-off, turning intensity per bin
// into photons per bin.
void ApplyFiltration(const ModelInputs& inputs, const EmissionGeometry& geometry,
                     EnergyArray& spectrum) {
    for (int j = 2; j <= 2 * inputs.Conditions.TubeVoltage && j <= kEnergyBinCount; ++j) {
        spectrum[j] = geometry.InverseSquare *
                      (FilterTransmission(inputs, geometry.PathFactor, j) * spectrum[j]) /
                      PhotonEnergyKeV(j);
    }
}

double LargestOf(const EnergyArray& values, int from, double limit) {
    double peak = 0;
    for (int j = from; j <= limit && j <= kEnergyBinCount; ++j) {
        if (values[j] > peak) {
            peak = values[j];
        }
    }
    return peak;
}

// Scales every bin of every angle by `weigh` and then by the largest result; returns that peak.
template <class Weigh>
double NormaliseOverAllAngles(const SpectrumTable& spectra, AngleEnergyArray& out, Weigh weigh) {
    double peak = 0;
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            out[a][j] = weigh(j, spectra.PhotonSpectrum[a][j]);
            if (out[a][j] > peak) {
                peak = out[a][j];
            }
        }
    }
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            out[a][j] = out[a][j] / peak;
        }
    }
    return peak;
}

}  // namespace

template <class Term>
void ComputeSpectra(const ModelInputs& inputs, SpectrumTable& spectra) {
    const IrradiationConditions& conditions = inputs.Conditions;
    spectra = SpectrumTable{};

    std::array<EmissionGeometry, kAngleCount + 1> geometry{};
    for (int a = 1; a <= kAngleCount; ++a) {
        geometry[a] = GeometryOfAngle(a, conditions.TargetAngle);
    }

    const Waveform waveform = SampleWaveform(conditions.Rectification, conditions.TubeVoltage);
    SamplePlans samples{};
    for (int n = 0; n < waveform.Count; ++n) {
        samples[n] = PlanSample<Term>(waveform.Samples[n]);
    }
    // Samples rise in voltage, so the last one reaches the highest energy of the run.
    const int highestOfRun = samples[waveform.Count - 1].Depths.Highest;
    AngleEnergyArray attenuationPerDepth{};
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int j = 2; j <= highestOfRun; ++j) {
            attenuationPerDepth[a][j] = inputs.Attenuation.MuTarget[j] * geometry[a].HeelFactor;
        }
    }
    const std::vector<EnergyArray> sampleSpectra = ComputeSampleSpectra(
        {EmissionTableOf<Term>(), samples, waveform.Count, attenuationPerDepth});

    // Weighted in the order of the samples, as the sum over the waveform is defined.
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int n = 0; n < waveform.Count; ++n) {
            const EnergyArray& sampleSpectrum = sampleSpectra[(a - 1) * waveform.Count + n];
            for (int j = 2; j <= samples[n].Depths.Highest; ++j) {
                spectra.PhotonSpectrum[a][j] += samples[n].Weight * sampleSpectrum[j];
            }
        }
    }
    // What a straight pass over angles and samples leaves: the last angle's last sample.
    spectra.SampleSpectrum = sampleSpectra.back();

    for (int a = 1; a <= kAngleCount; ++a) {
        EnergyArray& spectrum = spectra.PhotonSpectrum[a];
        for (int j = 2; j <= highestOfRun; ++j) {
            spectrum[j] = spectrum[j] / waveform.Count;
        }
        ApplyFiltration(inputs, geometry[a], spectrum);
    }
    FinishSpectra(inputs, spectra);
}

void FinishSpectra(const ModelInputs& inputs, SpectrumTable& spectra) {
    for (int a = 1; a <= kAngleCount; ++a) {
        spectra.AnglePeak[a] =
            LargestOf(spectra.PhotonSpectrum[a], 2, 2 * inputs.Conditions.TubeVoltage);
    }
    // Every bin is this run's own, so that no earlier run's high-energy bins reach the beam
    // quality.
    spectra.CentralSpectrum = spectra.PhotonSpectrum[kCentralAngleIndex];

    for (int a = 1; a <= kAngleCount; ++a) {
        if (spectra.SpectrumPeak < spectra.AnglePeak[a]) {
            spectra.SpectrumPeak = spectra.AnglePeak[a];
        }
    }
    spectra.EnergyFluencePeak =
        NormaliseOverAllAngles(spectra, spectra.EnergyFluenceSpectrum,
                               [](int j, double photons) { return PhotonEnergyKeV(j) * photons; });
    const EnergyArray& muEnAir = inputs.Attenuation.MuEnAir;
    spectra.KermaPeak = NormaliseOverAllAngles(
        spectra, spectra.KermaSpectrum,
        [&muEnAir](int j, double photons) { return PhotonEnergyKeV(j) * photons * muEnAir[j]; });
}

template void ComputeSpectra<TuckerBremsstrahlung>(const ModelInputs&, SpectrumTable&);
template void ComputeSpectra<BirchBremsstrahlung>(const ModelInputs&, SpectrumTable&);

}  // namespace tubeline
