#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

#include "model/beam_quality_figures.h"
#include "model/beam_request.h"

namespace tubeline {

// The object --format json prints for a computed beam: "model", "conditions" (as read and
// corrected, lengths in mm), "filters", "beam_centre" and "per_angle" (the eleven angles from
// -10 degrees, each with "angle_deg"), the figures by their scripted names, an absent one null.
nlohmann::ordered_json BeamJson(const BeamRequest& request, const ComputedBeam& beam,
                                const AngleFigures& figures);

// The "matched" member of a --match-hvl run: the varied filter as the operator knows it ("Al",
// "Cu" or a material's name) and its thickness in mm.
nlohmann::ordered_json MatchedFilterJson(std::string_view filter, double thicknessMm);

// The text of one JSON value, numbers in their shortest form that reads back to the same double.
std::string JsonText(const nlohmann::ordered_json& value);

}  // namespace tubeline
