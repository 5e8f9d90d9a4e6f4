#pragma once

#include <string>
#include "model/beam_request.h"
#include "model/filter_slots.h"
#include "model/spectrum_refusal.h"

namespace tubeline {

// Why a run, or a filter for it, gave no results.

std::string RunRefusalMessage(RunRefusal refusal);

std::string FilterRefusalMessage(const FilterRefusal& refusal);

std::string BeamRefusalMessage(const BeamRefusal& refusal);

}  // namespace tubeline
