#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calculation_state.h"
#include "condition_fields.h"

namespace tubeline {

// The names by which scripts, files and people give the choices of a calculation. Names read by
// the programs are matched in any case.

// The models in the order of their numbers.
inline constexpr std::array<SpectrumModel, 3> kSpectrumModels = {
    SpectrumModel::Tucker, SpectrumModel::Birch, SpectrumModel::Physics};
// The models: "tucker", "birch" and "physics".
std::string_view SpectrumModelName(SpectrumModel model);
std::optional<SpectrumModel> SpectrumModelNamed(std::string_view name);

// The rectifications in the order of their numbers.
inline constexpr std::array<RectificationMode, 3> kRectifications = {
    RectificationMode::ConstantPotential, RectificationMode::ThreePhaseTwelvePulse,
    RectificationMode::SinglePhaseFullWave};
// The rectifications by the numbers the operator knows them by, 1..3, as a number or as text.
int RectificationNumber(RectificationMode rectification);
std::optional<RectificationMode> RectificationFromNumber(int number);
std::optional<RectificationMode> RectificationNumbered(std::string_view number);
// Their Japanese names as the spectrum export's header writes them: "定電圧", "三相12ピーク",
// "単相全波". Marked for the English catalogue, which words them for people.
const char* RectificationName(RectificationMode rectification);

// The condition fields by the names of tubeline-calc's options (without "--"), the Python
// module's arguments and the page's address: "kv", "angle", "inherent", "al", "cu". Matched
// exactly, as options are.
std::string_view ConditionFieldName(ConditionField field);
std::optional<ConditionField> ConditionFieldNamed(std::string_view name);

// The added aluminium or copper of the conditions.
enum class AddedFilter { Aluminium, Copper };
// "Al" or "Cu", as the operator knows the filter.
std::string_view AddedFilterSymbol(AddedFilter filter);
// "al" or "cu" in any case; nothing for any other name.
std::optional<AddedFilter> AddedFilterNamed(std::string_view name);
// The condition field that holds the filter's thickness.
ConditionField AddedFilterField(AddedFilter filter);

}  // namespace tubeline
