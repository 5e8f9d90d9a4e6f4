#include "beam_quality_figures.h"

#include <cmath>
#include <numbers>

#include "beam_quality.h"
#include "kerma_transmission_curve.h"
#include "layer_figures.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

// Energy in keV at which aluminium's coefficient equals mu (1/cm): log-log interpolation between
// neighbouring bins, searched downward from `top` to kFirstKermaBin. Aluminium's coefficient
// falls monotonically above its K edge (1.56 keV), below the lowest bin searched, so the first
// bin from the top whose coefficient reaches mu brackets the only crossing.
std::optional<double> AluminiumEnergyFor(double mu, const EnergyArray& muAluminium, int top) {
    if (!(mu > 0) || !std::isfinite(mu) || muAluminium[top] >= mu) {
        return std::nullopt;
    }
    for (int j = top - 1; j >= kFirstKermaBin; --j) {
        if (muAluminium[j] >= mu) {
            const double t =
                std::log(mu / muAluminium[j]) / std::log(muAluminium[j + 1] / muAluminium[j]);
            const double energy =
                PhotonEnergyKeV(j) * std::pow(PhotonEnergyKeV(j + 1) / PhotonEnergyKeV(j), t);
            return std::isfinite(energy) ? std::optional(energy) : std::nullopt;
        }
    }
    return std::nullopt;
}

// The steps of the two half-value-layer searches, the same for every spectrum.
struct SearchSteps {
    MaterialStep Aluminium;
    MaterialStep Copper;
};

SearchSteps SearchStepsOf(const AttenuationTable& attenuation) {
    return {AluminiumStepOf(attenuation), MaterialStepOf(attenuation.MuCopper, kCopperStepCm)};
}

std::optional<BeamQualityFigures> FiguresOf(const EnergyArray& spectrum,
                                            const AttenuationTable& attenuation,
                                            const SearchSteps& steps) {
    const std::optional<KermaShares> shares = KermaSharesOf(spectrum, attenuation.MuEnAir);
    if (!shares) {
        return std::nullopt;
    }
    BeamQualityFigures figures;

    KermaTransmissionCurve aluminium(*shares, steps.Aluminium);
    KermaTransmissionCurve copper(*shares, steps.Copper);
    if (!SetLayerFigures(aluminium, copper, attenuation.MuAluminium, shares->Top, figures)) {
        return std::nullopt;
    }

    const int top = shares->Top;
    const MeanEnergies means =
        MeanEnergiesOf(FluenceBins(spectrum, top), FluenceBins(kBinEnergiesKeV, top),
                       FluenceBins(attenuation.MuEnAir, top));
    figures.MeanEnergyKeV = means.FluenceWeighted;
    figures.KermaWeightedMeanEnergyKeV = means.KermaWeighted;
    figures.FluencePerExposure = FluencePerExposureOf(spectrum, attenuation.MuEnAir, shares->Top);
    if (!std::isfinite(figures.FluencePerExposure) || !std::isfinite(figures.MeanEnergyKeV) ||
        !std::isfinite(figures.KermaWeightedMeanEnergyKeV)) {
        return std::nullopt;
    }
    const auto kermaRatio = [&](const EnergyArray& muEnMedium) {
        return KermaRatioToAir(FluenceBins(spectrum, top), FluenceBins(kBinEnergiesKeV, top),
                               FluenceBins(attenuation.MuEnAir, top), FluenceBins(muEnMedium, top));
    };
    figures.WaterToAirKermaRatio = kermaRatio(attenuation.MuEnWater);
    figures.SoftTissueToAirKermaRatio = kermaRatio(attenuation.MuEnSoftTissue);
    return figures;
}

// The absolute output of a spectrum in photons per bin per mm2 per mAs on the plane
// kAbsolutePlaneDistanceMm from the focus, wanted at output.DistanceMm.
void SetAbsoluteOutput(const EnergyArray& spectrum, const AttenuationTable& attenuation,
                       const OutputValues& output, BeamQualityFigures& figures) {
    const std::span<const double> photons = FluenceBins(spectrum, kEnergyBinCount);
    double fluence = 0;
    for (const double count : photons) {
        fluence += count;
    }
    const double kerma = AirKermaMicrogray(photons, FluenceBins(kBinEnergiesKeV, kEnergyBinCount),
                                           FluenceBins(attenuation.MuEnAir, kEnergyBinCount));
    const double inverseSquare = std::pow(kAbsolutePlaneDistanceMm / output.DistanceMm, 2);
    figures.FluencePerMasAt1m = fluence;
    figures.AirKermaPerMasAt1mMicrogray = kerma;
    figures.AirKermaPerMasAtDistanceMicrogray = output.OutputFactor * kerma * inverseSquare;
}

// The figures of one angle's spectrum of a run.
std::optional<BeamQualityFigures> RunFiguresOf(const SpectrumTable& spectra, int angleIndex,
                                               const AttenuationTable& attenuation,
                                               const SearchSteps& steps) {
    const EnergyArray& spectrum = spectra.PhotonSpectrum[angleIndex];
    std::optional<BeamQualityFigures> figures = FiguresOf(spectrum, attenuation, steps);
    if (figures && spectra.AbsoluteOutput) {
        SetAbsoluteOutput(spectrum, attenuation, *spectra.AbsoluteOutput, *figures);
    }
    return figures;
}

}  // namespace

MeanEnergies MeanEnergiesOf(std::span<const double> photons, std::span<const double> energiesKeV,
                            std::span<const double> muEnAir) {
    double count = 0, photonEnergy = 0, kerma = 0, kermaEnergy = 0;
    for (std::size_t i = 0; i < photons.size(); ++i) {
        const double e = energiesKeV[i];
        const double kermaWeight = e * muEnAir[i] * photons[i];
        count += photons[i];
        photonEnergy += e * photons[i];
        kerma += kermaWeight;
        kermaEnergy += e * kermaWeight;
    }
    return {photonEnergy / count, kermaEnergy / kerma};
}

std::optional<double> KermaRatioToAir(std::span<const double> photons,
                                      std::span<const double> energiesKeV,
                                      std::span<const double> muEnAir,
                                      std::span<const double> muEnMedium) {
    double air = 0;
    double medium = 0;
    for (std::size_t i = 0; i < photons.size(); ++i) {
        const double energyFluence = photons[i] * energiesKeV[i];
        air += energyFluence * muEnAir[i];
        medium += energyFluence * muEnMedium[i];
    }
    const double ratio = medium / air;
    if (!(medium > 0) || !(air > 0) || !std::isfinite(ratio)) {
        return std::nullopt;
    }
    return ratio;
}

std::optional<double> EffectiveEnergyKeV(double halfValueLayerMm, const EnergyArray& muAluminium,
                                         int top) {
    const double muEffective = std::numbers::ln2 / (halfValueLayerMm * kMillimetresToCentimetres);
    return AluminiumEnergyFor(muEffective, muAluminium, top);
}

std::optional<BeamQualityFigures> ComputeBeamQualityFigures(const EnergyArray& spectrum,
                                                            const AttenuationTable& attenuation) {
    return FiguresOf(spectrum, attenuation, SearchStepsOf(attenuation));
}

std::optional<BeamQualityFigures> ComputeBeamCentreFigures(const SpectrumTable& spectra,
                                                           const AttenuationTable& attenuation) {
    return RunFiguresOf(spectra, kCentralAngleIndex, attenuation, SearchStepsOf(attenuation));
}

AngleFigures ComputeAngleFigures(const SpectrumTable& spectra,
                                 const AttenuationTable& attenuation) {
    const SearchSteps steps = SearchStepsOf(attenuation);
    AngleFigures figures;
    for (int a = 1; a <= kAngleCount; ++a) {
        figures[a] = RunFiguresOf(spectra, a, attenuation, steps);
    }
    return figures;
}

}  // namespace tubeline
