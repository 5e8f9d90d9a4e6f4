#pragma once

#include <string>
#include <variant>

#include "beam_run.h"
#include "calculator_arguments.h"

namespace tubeline {

// tubeline-calc --match-hvl: the filter thickness that gives the beam the target first
// half-value layer.

// The thickness is printed as MatchVariedFilter rounds it.

struct MatchedFilter {
    std::string Name;           // "Al", "Cu" or the material's name
    std::string ThicknessText;  // mm, rounded, in the general number format
    double ThicknessMm = 0;     // the rounded thickness
};

// The beam the search starts from: the varied aluminium or copper taken out, since the search
// puts its own thickness in their place.
BeamRequest WithoutVariedFilter(BeamRequest beam, const MatchArguments& match);

// Searches the thickness on the prepared start beam (the material file of the varied filter read
// and refused as --filter reads it); a target that is not reached fails with the reason.
std::variant<MatchedFilter, BeamFailure> MatchFilter(const MatchArguments& match,
                                                     const PreparedBeam& start,
                                                     const AttenuationTable& attenuation);

// The beam with the varied filter at a thickness typed in mm, as a single run takes it.
BeamRequest WithMatchedFilter(BeamRequest beam, const MatchArguments& match,
                              const std::string& thicknessText);

}  // namespace tubeline
