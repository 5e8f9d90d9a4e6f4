#pragma once

#include "calculation_state.h"

namespace tubeline {

// Everything a model run reads.
struct ModelInputs {
    const IrradiationConditions& Conditions;
    const AttenuationTable& Attenuation;
    const MaterialFilter& Filters;
};

// Fills every field of `spectra` from scratch for the eleven emission angles: waveform
// sampling, bremsstrahlung summed over the electron's slowing down with self-absorption along
// the heel-effect path, K lines above 70 kV, filtration along the oblique path, inverse-square
// fall-off, peaks and the normalised energy-fluence and air-kerma spectra. Term is the model's
// bremsstrahlung (see bremsstrahlung.h). The (angle, sample) pairs are spread over a few
// threads; the results do not depend on how many. Nothing is checked: a normalisation by a zero
// peak leaves non-finite values for the caller to refuse.
template <class Term>
void ComputeSpectra(const ModelInputs& inputs, SpectrumTable& spectra);

// What every model does once its photons per bin have reached the plane of each angle
// (PhotonSpectrum): the peak of each angle and of all, the central spectrum, and the energy
// fluence and air kerma spectra normalised over all angles.
void FinishSpectra(const ModelInputs& inputs, SpectrumTable& spectra);

}  // namespace tubeline
