#include "spectrum_pipeline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "bremsstrahlung.h"
#include "emission_geometry.h"
#include "physics_constants.h"
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

// The highest EnergyIndex j with j <= 2 V, i.e. photon energy not above V.
int HighestBinAtOrBelow(double voltage) {
    return std::max(1, static_cast<int>(std::floor(2 * voltage)));
}

// Pairs (j, m) of photon energy 0.5 j and electron energy 0.5 m with 2 <= j <= m, stored row by
// row: row j holds m = j .. highest.
class PairTable {
  public:
    explicit PairTable(int highest) : rowStart_(highest + 2, 0) {
        std::size_t size = 0;
        for (int j = 2; j <= highest; ++j) {
            rowStart_[j] = size - j;
            size += highest - j + 1;
        }
        values_.resize(size);
    }
    double& At(int j, int m) { return values_[rowStart_[j] + m]; }

  private:
    std::vector<std::size_t> rowStart_;
    std::vector<double> values_;
};

// The bremsstrahlung of one waveform sample for every angle, accumulated into PhotonSpectrum.
// The term and the electron depths depend on the sample only, so they are evaluated once per
// sample for all eleven angles; each angle's arithmetic stays exactly that of a straight
// evaluation of the sum.
template <class Term>
void AccumulateSample(const WaveformSample& sample, const ModelInputs& inputs,
                      const AngleArray& heelFactor, SpectrumTable& spectra, PairTable& terms,
                      EnergyArray& depth) {
    const double v = sample.Voltage;
    const int highest = HighestBinAtOrBelow(v);
    const double c = ThomsonWhiddingtonConstant(v);
    for (int m = 2; m <= highest; ++m) {
        const double t = PhotonEnergyKeV(m);
        depth[m] = (v * v - t * t) / (kTungstenDensity * c);  // cm in the target
    }
    for (int j = 2; j <= highest; ++j) {
        for (int m = j; m <= highest; ++m) {
            terms.At(j, m) = Term::Term(v, PhotonEnergyKeV(j), PhotonEnergyKeV(m));
        }
    }
    const double kLineFraction = kPercent * KLineToBremsstrahlungPercent(v);
    const EnergyArray& muTarget = inputs.Attenuation.MuTarget;
    EnergyArray& sampleSpectrum = spectra.SampleSpectrum;
    for (int a = 1; a <= kAngleCount; ++a) {
        for (int j = 2; j <= highest; ++j) {
            const double attenuationPerDepth = -muTarget[j] * heelFactor[a];
            double sum = 0;
            for (int m = j; m <= highest; ++m) {
                sum += std::exp(attenuationPerDepth * depth[m]) * terms.At(j, m);
            }
            sampleSpectrum[j] = sum;
        }
        if (v > kKLineThresholdKV) {
            double total = 0;
            for (int j = 2; j <= highest; ++j) {
                total += sampleSpectrum[j];
            }
            const double kLines = kLineFraction * total;
            for (const KLine& line : kKLines) {
                sampleSpectrum[line.EnergyIndex] += line.Share * kLines;
            }
        }
        for (int j = 2; j <= highest; ++j) {
            spectra.PhotonSpectrum[a][j] += sample.Weight * sampleSpectrum[j];
        }
    }
}

// Filtration along the oblique path and the inverse-square fall-off, turning intensity per bin
// into photons per bin.
void ApplyFiltration(const ModelInputs& inputs, const EmissionGeometry& geometry,
                     EnergyArray& spectrum) {
    const IrradiationConditions& conditions = inputs.Conditions;
    const MaterialFilter& filters = inputs.Filters;
    const AttenuationTable& mu = inputs.Attenuation;
    const double s = geometry.PathFactor;
    for (int j = 2; j <= 2 * conditions.TubeVoltage && j <= kEnergyBinCount; ++j) {
        double arbitrary = 1;
        for (int k = 1; k <= kFilterSlotCount; ++k) {
            arbitrary *= std::exp(-filters.MuFilter[k][j] * filters.FilterThickness[k] * s);
        }
        const double aluminium = std::exp(-mu.MuAluminium[j] * (s * conditions.AluminiumFilter +
                                                                s * conditions.InherentFiltration));
        const double copper = std::exp(-mu.MuCopper[j] * conditions.CopperFilter * s);
        spectrum[j] = geometry.InverseSquare * (aluminium * copper * arbitrary * spectrum[j]) /
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

    AngleArray heelFactor{};
    std::array<EmissionGeometry, kAngleCount + 1> geometry{};
    for (int a = 1; a <= kAngleCount; ++a) {
        geometry[a] = GeometryOfAngle(a, conditions.TargetAngle);
        heelFactor[a] = geometry[a].HeelFactor;
    }

    const Waveform waveform = SampleWaveform(conditions.Rectification, conditions.TubeVoltage);
    const int highestOfRun = HighestBinAtOrBelow(waveform.Samples[waveform.Count - 1].Voltage);
    PairTable terms(highestOfRun);
    EnergyArray depth{};
    for (int n = 0; n < waveform.Count; ++n) {
        AccumulateSample<Term>(waveform.Samples[n], inputs, heelFactor, spectra, terms, depth);
    }

    for (int a = 1; a <= kAngleCount; ++a) {
        EnergyArray& spectrum = spectra.PhotonSpectrum[a];
        for (int j = 2; j <= highestOfRun; ++j) {
            spectrum[j] = spectrum[j] / waveform.Count;
        }
        ApplyFiltration(inputs, geometry[a], spectrum);
        spectra.AnglePeak[a] = LargestOf(spectrum, 2, 2 * conditions.TubeVoltage);
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
