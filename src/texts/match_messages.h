#pragma once

#include <string>
#include <string_view>
#include "model/half_value_layer_match.h"

namespace tubeline {

// What matching a target half-value layer found.

// Why matching a target first half-value layer found no thickness of the varied filter, named
// as the operator knows it ("Al", "Cu" or a material's name). Empty for a match that was
// reached.
std::string HalfValueLayerMatchMessage(const HalfValueLayerMatch& match, double targetMm,
                                       std::string_view variedFilter);

// The beam-quality window's status after a match: the added aluminium as set in its field, and
// the first half-value layer of the beam with it.
std::string HalfValueLayerMatchedMessage(std::string_view aluminiumText, double layerMm);

}  // namespace tubeline
