#pragma once

#include <string>
#include <string_view>

#include "model/calculation_state.h"

namespace tubeline {

// A material's name as people read it: the shipped materials named in Japanese (空気, 水,
// 脂肪組織 ...) in the current language, any other name as its file's first line gives it.
// Files the program writes keep the name as read.
std::string MaterialDisplayName(std::string_view name);

// One line of the filter list in the main window: the name, drawn at x = 2, and the thickness
// followed by "mm", drawn at x = 60.
struct FilterListLine {
    std::string Name;
    std::string Thickness;
    bool operator==(const FilterListLine&) const = default;
};
FilterListLine FilterListLineOf(const MaterialFilter& filters, int slot);

}  // namespace tubeline
