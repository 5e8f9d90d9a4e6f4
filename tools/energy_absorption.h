#pragma once

namespace tubeline::tools {

// The mass energy-absorption coefficient mu_en/rho of one element, in cm2/g, at a photon energy
// in keV, built from xraylib's cross sections (its CS_Energy is far from it for light elements):
// - photoelectric absorption (CS_Photo) less the share of the photon's energy that K, L and M
//   fluorescence carries away, vacancy cascades included (CS_FluorLine_Kissel_Cascade times
//   LineEnergy over the subshell photoionisation total CS_Photo_Total);
// - incoherent scattering (DCS_Compt: Klein-Nishina with the scattering function) weighted by
//   the share (E - E')/E of the photon's energy that the electron takes, over all angles.
// Coherent scattering deposits nothing. The secondary electrons' bremsstrahlung and the
// fluorescence after incoherent scattering are left out.
double ElementEnergyAbsorption(int atomicNumber, double energyKeV);

}  // namespace tubeline::tools
