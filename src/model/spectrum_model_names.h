#pragma once

#include <optional>
#include <string_view>

#include "calculation_state.h"

namespace tubeline {

// The models by the names scripts and files use: "tucker" and "birch".
std::string_view SpectrumModelName(SpectrumModel model);
// A model by its name, in any case; nothing for any other name.
std::optional<SpectrumModel> SpectrumModelNamed(std::string_view name);

}  // namespace tubeline
