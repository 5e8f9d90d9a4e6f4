#pragma once

#include <string>
#include <variant>

#include "beam_run.h"
#include "calculator_arguments.h"

namespace tubeline {

// tubeline-calc --match-hvl: the filter thickness that gives the beam the target first
// half-value layer.

// The match is good to kMatchToleranceMm (0.005 mm), so the thickness is given to 0.001 mm.
inline constexpr int kMatchedThicknessDecimals = 3;

struct MatchedFilter {
    std::string Name;           // "Al", "Cu" or the material's name
    double ThicknessMm = 0;     // rounded to kMatchedThicknessDecimals
    std::string ThicknessText;  // that thickness in the general number format
};

// The beam the search starts from: the varied aluminium or copper taken out, since the search
// puts its own thickness in their place.
BeamArguments WithoutVariedFilter(BeamArguments beam, const MatchArguments& match);

// Searches the thickness on a prepared beam (the material file of the varied filter read and
// refused as --filter reads it); a target that is not reached fails with the reason.
std::variant<MatchedFilter, BeamFailure> MatchFilter(const MatchArguments& match,
                                                     const PreparedBeam& beam);

// The beam with the matched filter at its rounded thickness, as a single run takes it.
BeamArguments WithMatchedFilter(BeamArguments beam, const MatchArguments& match,
                                const MatchedFilter& matched);

}  // namespace tubeline
