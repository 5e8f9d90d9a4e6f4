#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculation_state.h"
#include "material_file_reader.h"

namespace tubeline {

// The MaterialFilter slots as the filter dialog and the main window's "設定" and "解除" use
// them: slots 1..FilterCount hold filters, the others transmit everything.

// Puts the material into slot FilterCount + 1, which becomes the new FilterCount: its name,
// MuFilter and the thickness in mm. Returns the slot. The caller keeps a slot
// free (the "設定" button is disabled once three filters are set); a full set is a logic_error.
int AddFilter(MaterialFilter& filters, const MaterialFile& material, double thicknessMm);

// Why a filter was not added.
struct FilterRefusal {
    struct ThicknessMissing {};  // nothing typed
    struct ThicknessNotANumber {
        std::string Text;
    };
    struct ThicknessOutOfRange {};  // a number beyond the double range
    struct ThicknessNegative {};
    struct NoFreeSlot {};  // three filters are set already
    // The exported data would lose the material's name: it has a character without a
    // Shift-JIS form.
    struct NameNotShiftJis {
        std::filesystem::path File;
        std::string Name;
        std::string Character;
    };
    // A spreadsheet opening the exported data would take the material's name for a formula.
    struct NameLikeFormula {
        std::filesystem::path File;
        std::string Name;
    };
    std::variant<ThicknessMissing, ThicknessNotANumber, ThicknessOutOfRange, ThicknessNegative,
                 NoFreeSlot, NameNotShiftJis, NameLikeFormula, MaterialFileProblem>
        Cause;

    // Whether the file, rather than what was typed, is to blame.
    bool FileRefused() const;
};

// How a material file is read: LoadMaterialFile, or a reader that keeps files already read.
// Throws MaterialFileError for a file it refuses.
using MaterialReader = std::function<MaterialFile(const std::filesystem::path&)>;

// A material file read for a filter: refused when the reader refuses it, when its name has a
// character without a Shift-JIS form, or when it begins as a spreadsheet formula does ("=",
// "+", "-", "@", a tab or a carriage return).
std::variant<MaterialFile, FilterRefusal> ReadFilterMaterial(
    const std::filesystem::path& materialFile, const MaterialReader& read = LoadMaterialFile);

// A thickness typed in mm: one number as a whole, or why it is refused (missing, not a number).
std::variant<double, FilterRefusal> ReadFilterThickness(std::string_view thicknessText);

// Why a thickness in mm cannot make a filter: not finite, or below zero.
std::optional<FilterRefusal> CheckFilterThickness(double thicknessMm);

// What the dialog's OK does once a file is chosen: checks that a thickness was typed, reads the
// material file, reads the thickness as one number in mm and adds the filter. Any refusal adds
// nothing.
std::optional<FilterRefusal> AddFilterFromFile(MaterialFilter& filters,
                                               const std::filesystem::path& materialFile,
                                               std::string_view thicknessText,
                                               const MaterialReader& read = LoadMaterialFile);

// The same with the thickness as a number in mm, so that nothing can be missing: a full set, the
// file, then a thickness that is not finite or below zero are refused.
std::optional<FilterRefusal> AddFilterFromFile(MaterialFilter& filters,
                                               const std::filesystem::path& materialFile,
                                               double thicknessMm,
                                               const MaterialReader& read = LoadMaterialFile);

// "解除": FilterCount 0 and MuFilter 0 in every slot. Names and thicknesses stay, stale.
void ReleaseFilters(MaterialFilter& filters);

// The thickness of a slot in mm, in the general number format: a typed 0.3 gives "0.3".
std::string FilterThicknessText(const MaterialFilter& filters, int slot);

// A filter set in a slot, as people list it.
struct FilterInUse {
    std::string_view Name;
    double ThicknessMm = 0;
};
// The filters set, in slot order, indexed from 0.
std::vector<FilterInUse> FiltersInUse(const MaterialFilter& filters);

}  // namespace tubeline
