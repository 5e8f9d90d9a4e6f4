#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calculation_state.h"
#include "material_file_reader.h"

namespace tubeline {

// The MaterialFilter slots as the filter dialog and the main window's "設定" and "解除" use
// them: slots 1..FilterCount hold filters, the others transmit everything.

inline constexpr std::string_view kFilterThicknessOutOfRangeMessage =
    " フィルターの厚さの値が数値の範囲を超えています ";

// Puts the material into slot FilterCount + 1, which becomes the new FilterCount: its name,
// MuFilter and the thickness converted from mm to cm. Returns the slot. The caller keeps a slot
// free (the "設定" button is disabled once three filters are set); a full set is a logic_error.
int AddFilter(MaterialFilter& filters, const MaterialFile& material, double thicknessMm);

// Why a filter was not added, and the message for the operator.
struct FilterRefusal {
    enum class Cause { MaterialFile, Thickness };
    Cause Reason;
    std::string Message;
};

// What the dialog's OK does once a file is chosen and a thickness typed: reads the material
// file, takes the thickness by the leading-number rule (a text without a number is 0 mm) and
// adds the filter. A refused file, or a thickness beyond the double range, adds nothing.
std::optional<FilterRefusal> AddFilterFromFile(MaterialFilter& filters,
                                               const std::filesystem::path& materialFile,
                                               std::string_view thicknessText);

// "解除": FilterCount 0 and MuFilter 0 in every slot. Names and thicknesses stay, stale.
void ReleaseFilters(MaterialFilter& filters);

// The thickness of a slot in mm, in the general number format: a typed 0.3 gives "0.3".
std::string FilterThicknessText(const MaterialFilter& filters, int slot);

// One line of the filter list in the main window: the name, drawn at x = 2, and the thickness
// followed by "mm", drawn at x = 60.
struct FilterListLine {
    std::string Name;
    std::string Thickness;
    bool operator==(const FilterListLine&) const = default;
};
FilterListLine FilterListLineOf(const MaterialFilter& filters, int slot);

}  // namespace tubeline
