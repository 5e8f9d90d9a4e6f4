#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/beam_quality_figures.h"

namespace tubeline {

// A beam-quality figure by the name that every scripted output gives it (the JSON of
// tubeline-calc, the columns of its batch CSV, the Python module's dictionaries). Units are in
// the name; a figure that could not be found is empty.
struct BeamQualityField {
    std::string_view Key;
    std::optional<double> (*Value)(const BeamQualityFigures& figures);
};

// In the order scripted outputs list them: first the kQualityFigureCount figures of the beam's
// quality, then its absolute output, empty for a model without one.
inline constexpr std::size_t kQualityFigureCount = 10;
inline constexpr std::size_t kAbsoluteOutputFigureCount = 3;
extern const std::array<BeamQualityField, kQualityFigureCount + kAbsoluteOutputFigureCount>
    kBeamQualityFields;

}  // namespace tubeline
