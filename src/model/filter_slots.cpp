#include "filter_slots.h"

#include <cmath>
#include <stdexcept>

#include "base/number_format.h"
#include "base/number_text.h"
#include "base/shift_jis.h"
#include "material_attenuation.h"

namespace tubeline {

int AddFilter(MaterialFilter& filters, const MaterialFile& material, double thicknessMm) {
    if (filters.FilterCount >= kFilterSlotCount) {
        throw std::logic_error("no free filter slot");
    }
    const int slot = filters.FilterCount + 1;
    filters.FilterName[slot] = material.Name;
    filters.MuFilter[slot] = MuFilterOf(material);
    filters.FilterThickness[slot] = thicknessMm;
    filters.FilterCount = slot;
    return slot;
}

bool FilterRefusal::FileRefused() const {
    return std::holds_alternative<MaterialFileProblem>(Cause) ||
           std::holds_alternative<NameNotShiftJis>(Cause) ||
           std::holds_alternative<NameLikeFormula>(Cause);
}

std::variant<MaterialFile, FilterRefusal> ReadFilterMaterial(
    const std::filesystem::path& materialFile, const MaterialReader& read) {
    try {
        MaterialFile material = read(materialFile);
        try {
            EncodeShiftJis(material.Name);
        } catch (const UnencodableCharacterError& error) {
            return FilterRefusal{
                FilterRefusal::NameNotShiftJis{materialFile, material.Name, error.Character()}};
        }
        if (!material.Name.empty() &&
            std::string_view("=+-@\t\r").find(material.Name.front()) != std::string_view::npos) {
            return FilterRefusal{FilterRefusal::NameLikeFormula{materialFile, material.Name}};
        }
        return material;
    } catch (const MaterialFileError& error) {
        return FilterRefusal{error.Problem()};
    }
}

std::variant<double, FilterRefusal> ReadFilterThickness(std::string_view thicknessText) {
    const NumberText thickness = ReadNumberText(thicknessText);
    switch (thickness.Reading) {
        case NumberText::Kind::Empty:
            return FilterRefusal{FilterRefusal::ThicknessMissing{}};
        case NumberText::Kind::NotANumber:
            return FilterRefusal{FilterRefusal::ThicknessNotANumber{std::string(thicknessText)}};
        case NumberText::Kind::Number:
            break;
    }
    return thickness.Value;
}

std::optional<FilterRefusal> CheckFilterThickness(double thicknessMm) {
    if (!std::isfinite(thicknessMm)) {
        return FilterRefusal{FilterRefusal::ThicknessOutOfRange{}};
    }
    if (thicknessMm < 0) {
        return FilterRefusal{FilterRefusal::ThicknessNegative{}};
    }
    return std::nullopt;
}

std::optional<FilterRefusal> AddFilterFromFile(MaterialFilter& filters,
                                               const std::filesystem::path& materialFile,
                                               std::string_view thicknessText,
                                               const MaterialReader& read) {
    const std::variant<double, FilterRefusal> thickness = ReadFilterThickness(thicknessText);
    if (const auto* refusal = std::get_if<FilterRefusal>(&thickness)) {
        return *refusal;
    }
    return AddFilterFromFile(filters, materialFile, std::get<double>(thickness), read);
}

std::optional<FilterRefusal> AddFilterFromFile(MaterialFilter& filters,
                                               const std::filesystem::path& materialFile,
                                               double thicknessMm, const MaterialReader& read) {
    if (filters.FilterCount >= kFilterSlotCount) {
        return FilterRefusal{FilterRefusal::NoFreeSlot{}};
    }
    std::variant<MaterialFile, FilterRefusal> material = ReadFilterMaterial(materialFile, read);
    if (const auto* refusal = std::get_if<FilterRefusal>(&material)) {
        return *refusal;
    }
    if (const auto refusal = CheckFilterThickness(thicknessMm)) {
        return *refusal;
    }
    AddFilter(filters, std::get<MaterialFile>(material), thicknessMm);
    return std::nullopt;
}

void ReleaseFilters(MaterialFilter& filters) {
    filters.FilterCount = 0;
    for (int slot = 1; slot <= kFilterSlotCount; ++slot) {
        for (int j = 1; j <= kEnergyBinCount; ++j) {
            filters.MuFilter[slot][j] = 0;
        }
    }
}

std::string FilterThicknessText(const MaterialFilter& filters, int slot) {
    return FormatGeneral(filters.FilterThickness[slot]);
}

std::vector<FilterInUse> FiltersInUse(const MaterialFilter& filters) {
    std::vector<FilterInUse> inUse;
    for (int slot = 1; slot <= filters.FilterCount; ++slot) {
        inUse.push_back({filters.FilterName[slot], filters.FilterThickness[slot]});
    }
    return inUse;
}

}  // namespace tubeline
