#include "material_names.h"

#include <algorithm>
#include <iterator>

#include "model/filter_slots.h"
#include "model/translatable.h"
#include "translation.h"

namespace tubeline {
namespace {

// The first lines of the shipped material files that are not symbols or abbreviations.
constexpr const char* kShippedNames[] = {
    TUBELINE_TRANSLATABLE("Materials", "空気"),     TUBELINE_TRANSLATABLE("Materials", "水"),
    TUBELINE_TRANSLATABLE("Materials", "脂肪組織"), TUBELINE_TRANSLATABLE("Materials", "乳房組織"),
    TUBELINE_TRANSLATABLE("Materials", "皮質骨"),   TUBELINE_TRANSLATABLE("Materials", "骨格筋"),
    TUBELINE_TRANSLATABLE("Materials", "軟部組織"),
};

}  // namespace

FilterListLine FilterListLineOf(const MaterialFilter& filters, int slot) {
    return {MaterialDisplayName(filters.FilterName[slot]),
            FilterThicknessText(filters, slot) + "mm"};
}

std::string MaterialDisplayName(std::string_view name) {
    const auto* shipped = std::find_if(std::begin(kShippedNames), std::end(kShippedNames),
                                       [name](const char* known) { return name == known; });
    return shipped == std::end(kShippedNames) ? std::string(name) : Tr("Materials", *shipped);
}

}  // namespace tubeline
