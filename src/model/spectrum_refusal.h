#pragma once

#include <optional>

#include "calculation_state.h"

namespace tubeline {

// Why a run produced no spectra.
enum class RunRefusal {
    ZeroSpectra,    // filtration so thick that every bin is 0
    OutOfRange,     // a value beyond the double range (a large negative filter, say)
    NoBeamQuality,  // the central ray carries no air kerma above 5 keV, or a figure is not finite
};

// Spectra that cannot be normalised, or that hold a value beyond the double range; nothing when
// they are usable.
std::optional<RunRefusal> RefusalOf(const SpectrumTable& spectra);

}  // namespace tubeline
