#include "supplied_spectrum_figures.h"

#include <cmath>
#include <span>

#include "beam_quality.h"
#include "kerma_transmission_curve.h"
#include "layer_figures.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

std::optional<SuppliedSpectrumRefusal> CheckLines(const SuppliedSpectrum& spectrum) {
    using Kind = SuppliedSpectrumRefusal::Kind;
    const std::vector<double>& energies = spectrum.EnergiesKeV;
    if (spectrum.Photons.size() != energies.size()) {
        return SuppliedSpectrumRefusal{Kind::LengthsDiffer,
                                       std::min(energies.size(), spectrum.Photons.size())};
    }
    if (energies.empty()) {
        return SuppliedSpectrumRefusal{Kind::NoLines};
    }
    for (std::size_t i = 0; i < energies.size(); ++i) {
        if (!(energies[i] >= PhotonEnergyKeV(1) &&
              energies[i] <= PhotonEnergyKeV(kEnergyBinCount))) {
            return SuppliedSpectrumRefusal{Kind::EnergyOutsideTable, i};
        }
        if (i > 0 && !(energies[i] > energies[i - 1])) {
            return SuppliedSpectrumRefusal{Kind::EnergiesNotAscending, i};
        }
        if (!(spectrum.Photons[i] >= 0) || !std::isfinite(spectrum.Photons[i])) {
            return SuppliedSpectrumRefusal{Kind::PhotonsNotCountable, i};
        }
    }
    return std::nullopt;
}

// The table's coefficients at the lines' energies.
struct LineCoefficients {
    std::vector<double> MuEnAir;         // cm2/g
    std::vector<double> MuEnWater;       // cm2/g
    std::vector<double> MuEnSoftTissue;  // cm2/g
    std::vector<double> MuAluminium;     // 1/cm
    std::vector<double> MuCopper;        // 1/cm
};

LineCoefficients CoefficientsAt(std::span<const double> energiesKeV,
                                const AttenuationTable& attenuation) {
    LineCoefficients lines;
    for (const double energy : energiesKeV) {
        lines.MuEnAir.push_back(CoefficientAtKeV(attenuation.MuEnAir, energy));
        lines.MuEnWater.push_back(CoefficientAtKeV(attenuation.MuEnWater, energy));
        lines.MuEnSoftTissue.push_back(CoefficientAtKeV(attenuation.MuEnSoftTissue, energy));
        lines.MuAluminium.push_back(CoefficientAtKeV(attenuation.MuAluminium, energy));
        lines.MuCopper.push_back(CoefficientAtKeV(attenuation.MuCopper, energy));
    }
    return lines;
}

// KermaTransmissionCurve for lines of one's own: every step's sum adds the lines in order, so a
// curve over the table's bins comes out the same bits.
class LineTransmissionCurve {
  public:
    LineTransmissionCurve(std::vector<double> shares, double sumOfShares,
                          std::span<const double> mu, double stepCm)
        : firstShares_(shares),
          shares_(std::move(shares)),
          mu_(mu.begin(), mu.end()),
          sumOfShares_(sumOfShares),
          stepCm_(stepCm) {
        for (const double coefficient : mu) {
            stepTransmission_.push_back(std::exp(-coefficient * stepCm));
        }
    }

    // Steps until the kerma left is at or below `percent`, at least two of them and at most
    // kKermaTransmissionSteps.
    void AttenuateWhileAbove(double percent) {
        while (steps_ < 2 || (steps_ < kKermaTransmissionSteps && curve_[steps_] > percent)) {
            double left = 0;
            for (std::size_t i = 0; i < shares_.size(); ++i) {
                shares_[i] = shares_[i] * stepTransmission_[i];
                left = left + shares_[i];
            }
            curve_[++steps_] = 100 * left / sumOfShares_;
        }
    }

    std::optional<double> DepthCm(double percent) const {
        if (steps_ >= 1 && curve_[1] < percent) {
            return DepthWithinFirstStepCm(firstShares_, mu_, sumOfShares_, percent, stepCm_);
        }
        return DepthOnCurveCm(curve_, steps_, percent, stepCm_);
    }

  private:
    std::vector<double> firstShares_;  // before the first step
    std::vector<double> shares_;
    std::vector<double> mu_;  // 1/cm
    std::vector<double> stepTransmission_;
    double sumOfShares_;
    double stepCm_;
    TransmissionCurve curve_{};
    int steps_ = 0;
};

std::optional<BeamQualityFigures> FiguresOfLines(std::span<const double> energies,
                                                 std::span<const double> photons,
                                                 const LineCoefficients& mu,
                                                 const AttenuationTable& attenuation) {
    // The lines from 5.5 keV up carry the kerma shares, normalised to their total.
    std::size_t first = 0;
    while (first < energies.size() && energies[first] < PhotonEnergyKeV(kFirstKermaBin)) {
        ++first;
    }
    std::vector<double> shares;
    double total = 0;
    for (std::size_t i = first; i < energies.size(); ++i) {
        shares.push_back(photons[i] * mu.MuEnAir[i] * energies[i]);
        total = total + shares.back();
    }
    if (!(total > 0) || !std::isfinite(total)) {
        return std::nullopt;
    }
    double sum = 0;
    for (double& share : shares) {
        share = share / total;
        sum = sum + share;
    }
    const auto fromFirst = [first](const std::vector<double>& values) {
        return std::span<const double>(values).subspan(first);
    };

    BeamQualityFigures figures;
    LineTransmissionCurve aluminium(shares, sum, fromFirst(mu.MuAluminium), kAluminiumStepCm);
    LineTransmissionCurve copper(std::move(shares), sum, fromFirst(mu.MuCopper), kCopperStepCm);
    // Aluminium's bins up to the one just above the highest line.
    const int top = std::min(HighestIndexAtOrBelow(energies.back()) + 1, kEnergyBinCount);
    if (!SetLayerFigures(aluminium, copper, attenuation.MuAluminium, top, figures)) {
        return std::nullopt;
    }

    // The mean energies and the fluence per exposure count the lines from 1 keV up.
    std::size_t counted = 0;
    while (counted < energies.size() && energies[counted] < PhotonEnergyKeV(kFirstFluenceBin)) {
        ++counted;
    }
    const auto fromCounted = [counted](std::span<const double> values) {
        return values.subspan(counted);
    };
    const MeanEnergies means =
        MeanEnergiesOf(fromCounted(photons), fromCounted(energies), fromCounted(mu.MuEnAir));
    figures.MeanEnergyKeV = means.FluenceWeighted;
    figures.KermaWeightedMeanEnergyKeV = means.KermaWeighted;
    figures.FluencePerExposure =
        FluencePerExposureOf(fromCounted(photons), fromCounted(energies), fromCounted(mu.MuEnAir));
    if (!std::isfinite(figures.FluencePerExposure) || !std::isfinite(figures.MeanEnergyKeV) ||
        !std::isfinite(figures.KermaWeightedMeanEnergyKeV)) {
        return std::nullopt;
    }
    const auto kermaRatio = [&](const std::vector<double>& muEnMedium) {
        return KermaRatioToAir(fromCounted(photons), fromCounted(energies), fromCounted(mu.MuEnAir),
                               fromCounted(muEnMedium));
    };
    figures.WaterToAirKermaRatio = kermaRatio(mu.MuEnWater);
    figures.SoftTissueToAirKermaRatio = kermaRatio(mu.MuEnSoftTissue);
    return figures;
}

}  // namespace

double CoefficientAtKeV(const EnergyArray& coefficient, double energyKeV) {
    const int below = HighestIndexAtOrBelow(energyKeV);
    if (PhotonEnergyKeV(below) == energyKeV || below == kEnergyBinCount) {
        return coefficient[below];
    }
    const double t = std::log(energyKeV / PhotonEnergyKeV(below)) /
                     std::log(PhotonEnergyKeV(below + 1) / PhotonEnergyKeV(below));
    return coefficient[below] * std::pow(coefficient[below + 1] / coefficient[below], t);
}

std::variant<std::optional<BeamQualityFigures>, SuppliedSpectrumRefusal>
ComputeSuppliedSpectrumFigures(const SuppliedSpectrum& spectrum,
                               const AttenuationTable& attenuation) {
    if (const std::optional<SuppliedSpectrumRefusal> refusal = CheckLines(spectrum)) {
        return *refusal;
    }
    // Lines above the highest one that carries photons add nothing to any sum.
    std::size_t count = spectrum.Photons.size();
    while (count > 0 && spectrum.Photons[count - 1] == 0) {
        --count;
    }
    if (count == 0) {
        return std::optional<BeamQualityFigures>();
    }
    const std::span<const double> energies(spectrum.EnergiesKeV.data(), count);
    return FiguresOfLines(energies, std::span<const double>(spectrum.Photons.data(), count),
                          CoefficientsAt(energies, attenuation), attenuation);
}

}  // namespace tubeline
