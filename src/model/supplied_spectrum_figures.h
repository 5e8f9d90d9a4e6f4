#pragma once

#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

#include "beam_quality_figures.h"
#include "calculation_state.h"

namespace tubeline {

// The beam-quality figures of a photon spectrum from elsewhere (measured, or computed by another
// program), on energies of one's own choosing. Each energy is a line carrying the photons given
// for it, as each 0.5-keV bin of a model run is a line at its energy; the figures are ratios,
// so the photons' unit does not matter.
struct SuppliedSpectrum {
    std::vector<double> EnergiesKeV;  // ascending, within the table's 0.5 .. 150 keV
    std::vector<double> Photons;      // finite, not negative
};

// Why a supplied spectrum has no figures; Index is the first line at fault.
struct SuppliedSpectrumRefusal {
    enum class Kind {
        LengthsDiffer,         // not as many photon counts as energies
        NoLines,               // no energy at all
        EnergyOutsideTable,    // not within 0.5 .. 150 keV (or not a number)
        EnergiesNotAscending,  // not above the energy before
        PhotonsNotCountable,   // negative, or not finite
    };
    Kind Reason;
    std::size_t Index = 0;
};

// A coefficient of the attenuation table at an energy within 0.5 .. 150 keV: the bin's own value
// at a bin's energy, else log-log interpolation between the two bins around it (an absorption
// edge between them is spread over that half keV).
double CoefficientAtKeV(const EnergyArray& coefficient, double energyKeV);

// The figures by the rules of ComputeBeamQualityFigures, with the table's coefficients at the
// lines' energies: the kerma curves count the lines from 5.5 keV up, the mean energies and the
// fluence per exposure those from 1 keV up, and the effective energy is sought on aluminium's
// bins up to the one just above the highest line that carries photons. On the table's own grid
// (0.5, 1.0 ... 150 keV) they are those of ComputeBeamQualityFigures bit for bit. Nothing, as
// there, when the lines carry no air kerma from 5.5 keV up or a figure is not finite.
std::variant<std::optional<BeamQualityFigures>, SuppliedSpectrumRefusal>
ComputeSuppliedSpectrumFigures(const SuppliedSpectrum& spectrum,
                               const AttenuationTable& attenuation);

}  // namespace tubeline
