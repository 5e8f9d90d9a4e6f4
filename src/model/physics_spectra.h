#pragma once

#include "calculation_state.h"
#include "physics_source_term.h"
#include "spectrum_pipeline.h"

namespace tubeline {

// The physics model's spectra of the eleven emission angles, in absolute figures: PhotonSpectrum
// in photons per 0.5-keV bin per mm2 per mAs on the plane 1 m from the focus, perpendicular to
// the central ray, after the filters of the conditions (crossed obliquely, as the other models
// have them). The waveform's samples are weighted by their share of the tube current, so that
// the spectrum is per unit charge. The take-off angle of AngleIndex a is the target angle minus
// its emission angle; an angle whose take-off is not above 0 gets no photons. Then the peaks and
// the normalised spectra, as every model has them (FinishSpectra), and AbsoluteOutput set to the
// conditions' Output.
void ComputePhysicsSpectra(const ModelInputs& inputs, const PhysicsSourceTerm& source,
                           SpectrumTable& spectra);

}  // namespace tubeline
