#pragma once

#include <cstddef>
#include <string_view>
#include <variant>

#include "model/beam_request.h"
#include "model/half_value_layer_match.h"
#include "scripted_run.h"

namespace tubeline {

// What a script is told when a beam or a match is refused: the window's message and, for a
// program to act on, the field to blame by its script name and the reason as a short code in
// English that stays the same in every language:
//  - the field: "kv", "angle", "inherent", "al", "cu", "distance_mm", "output_factor";
//    "filters[i]" for the filter of slot i (from 0); "target" and "filters" for a match; none
//    when the whole beam is to blame;
//  - the reason: "not_a_number" (NaN, or a text), "beyond_range" (beyond the double range),
//    "missing", "below_minimum" (an angle below 12 degrees), "not_below_limit" (an angle of
//    90 degrees or more), "negative", "no_free_slot" (a fourth filter; a match's filter with
//    three set), "no_spectrum" (filtration that leaves every bin empty), "no_beam_quality" (no
//    air kerma above 5 keV at the beam centre), "not_positive", "below_unfiltered" and
//    "not_reached" (a target below the beam's own layer or beyond the thickest filter),
//    "unfiltered_beyond_search" (the beam's own layer beyond the figures' search), "model_data"
//    (a match whose model's data files could not be used).
// A material file that could not be read, or whose material's name the exports could not carry,
// is a file problem instead.
using ScriptedRefusal = std::variant<ScriptedRejection, ScriptedFileProblem>;

ScriptedRefusal ScriptedRefusalOf(const BeamRefusal& refusal, const ScriptedRequest& request,
                                  std::size_t refusedFilterSlot);

// A match's material file refused (always a file problem), as the filter `match_with` names.
ScriptedFileProblem ScriptedFileProblemOf(const FilterRefusal& refusal);

// A match that reached no thickness.
ScriptedRejection ScriptedRejectionOf(const HalfValueLayerMatch& match, double targetMmAl,
                                      std::string_view variedFilterName);

}  // namespace tubeline
